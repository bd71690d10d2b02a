#include "CountText.h"

#include <QCoreApplication>

QString RegisterCountText(qint64 n) {
    return n == 1 ? QCoreApplication::translate("CountText", "1 register")
                  : QCoreApplication::translate("CountText", "%1 registers").arg(n);
}

QString FrameCountText(qint64 n) {
    return n == 1 ? QCoreApplication::translate("CountText", "1 frame")
                  : QCoreApplication::translate("CountText", "%1 frames").arg(n);
}
