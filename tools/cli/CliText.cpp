#include "CliText.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void CliUseUtf8Console() {
#ifdef Q_OS_WIN
    (void)SetConsoleOutputCP(CP_UTF8);
#endif
}

void CliMessage(const QString& text) {
    CliWrite(stderr, QStringLiteral("canquorvex-cli: %1\n").arg(text));
}

void CliWrite(std::FILE* file, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), file);
    std::fflush(file);
}

int CliPluralOf(uint64_t n) {
    return n <= 1'000'000 ? static_cast<int>(n) : static_cast<int>(n % 1'000'000) + 1'000'000;
}
