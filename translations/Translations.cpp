// The translations are built into the programs that link quorvex_i18n (resources under :/i18n).
