#include "ProgramDir.h"

QString& ProgramDir() {
    static QString dir;
    return dir;
}
