#include "CliText.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdlib>

namespace {

UINT consoleCodePage = 0; // the console's output code page before the program changed it

} // namespace
#endif

void CliUseUtf8Console() {
#ifdef Q_OS_WIN
    // The console gets its code page back when the program ends.
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8) != 0)
        (void)std::atexit([] { (void)SetConsoleOutputCP(consoleCodePage); });
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
