#include "FormStorage.h"

#include "ErrorReport.h"
#include "ScreenFit.h"
#include "core/IniFile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

// The placement version written as "FormVersion"; a stored one below it restores nothing.
constexpr int PlacementVersion = 0;

std::vector<TFormStorage*>& allStores() {
    static std::vector<TFormStorage*> stores;
    return stores;
}

TFormStorage::TScreenQuery& screenQueryOverride() {
    static TFormStorage::TScreenQuery query;
    return query;
}

const QString KeyFormVersion = QStringLiteral("FormVersion");
const QString KeyFlags = QStringLiteral("Flags");
const QString KeyShowCmd = QStringLiteral("ShowCmd");
const QString KeyPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString KeyMinMaxPos = QStringLiteral("MinMaxPos");
const QString KeyNormPos = QStringLiteral("NormPos");
const QString KeyVisible = QStringLiteral("Visible");

constexpr Qt::WindowStates SizeStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

QString screenSuffix(QSize size) {
    return QStringLiteral("(%1x%2)").arg(size.width()).arg(size.height());
}

QPoint centredTopLeft(const QRect& area, QSize size) {
    return {area.left() + (area.width() - size.width()) / 2,
            area.top() + (area.height() - size.height()) / 2};
}

QString fourNumbers(int a, int b, int c, int d) {
    return QString::asprintf("%d,%d,%d,%d", a, b, c, d);
}

// The words of a stored position; word i (from 0) or fallback when it is missing or no number.
class TWords {
public:
    explicit TWords(const QString& text)
        : m_words(text.split(QRegularExpression(QStringLiteral("[, ]")), Qt::SkipEmptyParts)) {}
    [[nodiscard]] int at(qsizetype i, int fallback) const {
        if (i >= m_words.size()) return fallback;
        return IniFile::parseInteger(m_words[i]).value_or(fallback);
    }

private:
    QStringList m_words;
};

} // namespace

TFormStorage::TFormStorage(QWidget* form) : QObject(form), m_form(form) {
    Q_ASSERT(form && form->isWindow());
    form->installEventFilter(this);
    allStores().push_back(this);
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [] { saveAllAtExit(); });
}

TFormStorage::~TFormStorage() {
    auto& stores = allStores();
    stores.erase(std::remove(stores.begin(), stores.end(), this), stores.end());
}

bool TFormStorage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_form) return false;
    switch (event->type()) {
    case QEvent::Show:
        // Spontaneous shows are the window system mapping a minimised window again: no showing.
        if (!event->spontaneous()) {
            m_closeRequested = false;
            m_exitSaved = false;
            restoreFormPlacement();
        }
        break;
    case QEvent::Close:
        // The window may still refuse the close in its own handler, which runs after this
        // filter. A granted close hides a visible window right away, within the same call;
        // a refused one leaves no hide behind, and the mark is dropped on the next pass of
        // the event loop.
        m_closeRequested = true;
        QTimer::singleShot(0, this, [this] { m_closeRequested = false; });
        break;
    case QEvent::Hide:
        if (!event->spontaneous() && m_closeRequested) {
            m_closeRequested = false;
            // Quitting closes every window after the save at program end: that close is no
            // user's, and must not overwrite the saved "Visible" = 1.
            if (m_restored && !m_exitSaved) saveFormPlacement(false);
        }
        break;
    default:
        break;
    }
    return false;
}

void TFormStorage::saveAllAtExit() {
    // A copy: a report shown meanwhile may run events that destroy windows.
    const std::vector<TFormStorage*> stores = allStores();
    for (TFormStorage* store : stores) {
        const auto& live = allStores();
        if (std::find(live.begin(), live.end(), store) == live.end()) continue;
        if (store->m_form && store->m_restored && !store->m_savedSinceShown) store->saveFormPlacement(true);
    }
}

void TFormStorage::saveAllAtProgramEnd() {
    saveAllAtExit();
    for (TFormStorage* store : allStores())
        store->m_exitSaved = true;
}

TFormStorage::TScreenMetrics TFormStorage::screenMetrics() {
    if (const TScreenQuery& query = screenQueryOverride()) return query();
    TScreenMetrics metrics;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return metrics;
    metrics.size = primary->geometry().size();
    metrics.pixelsPerInch = qRound(primary->logicalDotsPerInch());
    // Qt has no border metric of its own; a single-line border is one pixel.
    metrics.border = QSize(1, 1);
    metrics.centreArea = primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        metrics.visibleAreas.push_back(screen->availableGeometry());
    return metrics;
}

void TFormStorage::setScreenQuery(TScreenQuery query) {
    screenQueryOverride() = std::move(query);
}

// ---- placement record ----

int TFormStorage::currentFlags() const {
    const Qt::WindowStates state = m_form->windowState();
    return (state & Qt::WindowMinimized) && (state & Qt::WindowMaximized) ? FlagRestoreToMaximized : 0;
}

int TFormStorage::currentShowCmd() const {
    const Qt::WindowStates state = m_form->windowState();
    if (state & Qt::WindowMinimized) return ShowMinimized;
    if (state & Qt::WindowMaximized) return ShowMaximized;
    return ShowNormal;
}

// The rectangle of the window's frame in the normal state, also while it is minimised or
// maximised.
QRect TFormStorage::normalFrameRect() const {
    const QRect frame = m_form->frameGeometry();
    const QRect client = m_form->geometry();
    const QRect normal = m_form->normalGeometry();
    if (normal.isEmpty()) return frame;
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    return normal.marginsAdded(margins);
}

void TFormStorage::centreForm(const TScreenMetrics& metrics) {
    const QRect area = metrics.centreArea;
    if (area.isEmpty()) return;
    const QSize frame = m_form->frameGeometry().size();
    if (frame.width() <= area.width() && frame.height() <= area.height()) {
        m_form->move(centredTopLeft(area, frame));
        return;
    }
    // A window larger than the screen's available area opens at that area (a window of fixed
    // layout then scrolls).
    const QMargins margins = FrameMarginsOf(m_form);
    const QRect fitted = FitFrameToArea(QRect(area.topLeft(), m_form->size().grownBy(margins)), area);
    m_form->resize(fitted.size().shrunkBy(margins));
    m_form->move(fitted.topLeft());
}

// ---- save ----

void TFormStorage::saveFormPlacement(bool atExit) {
    if (!m_form) return;
    m_savedSinceShown = true;
    if (m_iniFileName.isEmpty()) return;
    IniFile ini(m_iniFileName);
    if (ini.readError()) {
        ReportError(ini.errorString());
        return;
    }
    savePlacementTo(ini, atExit);
}

void TFormStorage::savePlacementTo(IniFile& ini, bool atExit) {
    const TScreenMetrics metrics = screenMetrics();
    const QString& section = m_iniSection;
    const QString suffix = screenSuffix(metrics.size);
    const QString minMax =
        fourNumbers(m_minPosition.x(), m_minPosition.y(), m_maxPosition.x(), m_maxPosition.y());
    const QRect normal = normalFrameRect();
    const QString norm = fourNumbers(normal.left(), normal.top(), normal.left() + normal.width(),
                                     normal.top() + normal.height());

    ini.beginBatch();
    (void)ini.writeInteger(section, KeyFormVersion, PlacementVersion);
    (void)ini.writeInteger(section, KeyFlags, currentFlags());
    (void)ini.writeInteger(section, KeyShowCmd, currentShowCmd());
    (void)ini.writeInteger(section, KeyPixelsPerInch, metrics.pixelsPerInch);
    (void)ini.writeString(section, KeyMinMaxPos + suffix, minMax);
    (void)ini.writeString(section, KeyMinMaxPos, minMax);
    (void)ini.writeString(section, KeyNormPos + suffix, norm);
    (void)ini.writeString(section, KeyNormPos, norm);
    (void)ini.writeString(section, KeyVisible, atExit ? QStringLiteral("1") : QStringLiteral("0"));
    if (!ini.commitBatch()) ReportError(ini.errorString());
}

// ---- restore ----

void TFormStorage::restoreFormPlacement() {
    if (!m_form) return;
    m_restored = true;
    m_savedSinceShown = false;
    if (m_iniFileName.isEmpty()) {
        if (m_centreOnShow) centreForm(screenMetrics());
        return;
    }
    const IniFile ini(m_iniFileName);
    if (ini.readError()) {
        // Reported once the show is over: a message box would run a nested event loop in the
        // middle of QWidget::show().
        QTimer::singleShot(0, this, [text = ini.errorString()] { ReportError(text); });
        if (m_centreOnShow) centreForm(screenMetrics());
        return;
    }
    restorePlacementFrom(ini);
}

void TFormStorage::restorePlacementFrom(const IniFile& ini) {
    const TScreenMetrics metrics = screenMetrics();
    const QString& section = m_iniSection;
    if (ini.readInteger(section, KeyFormVersion, 0) < PlacementVersion) {
        if (m_centreOnShow) centreForm(metrics);
        return;
    }

    // Position.
    const int flags = ini.readInteger(section, KeyFlags, currentFlags());
    const QString suffix = screenSuffix(metrics.size);
    const auto readPosition = [&](const QString& key) {
        const QString value = ini.readString(section, key + suffix, QString());
        return value.isEmpty() ? ini.readString(section, key, QString()) : value;
    };
    const QString minMaxText = readPosition(KeyMinMaxPos);
    const QString normText = readPosition(KeyNormPos);
    QPoint minPosition = m_minPosition;
    QPoint maxPosition = m_maxPosition;
    if (!minMaxText.isEmpty()) {
        const TWords words(minMaxText);
        minPosition = QPoint(words.at(0, 0), words.at(1, 0));
        maxPosition = QPoint(words.at(2, 0), words.at(3, 0));
    }
    // pos() is where the frame stands, also while a move before the first showing is pending
    // (frameGeometry() catches up with it only after the show event).
    const QRect frame(m_form->pos(), m_form->frameGeometry().size());
    int left = frame.left();
    int top = frame.top();
    if (!normText.isEmpty()) {
        const TWords words(normText);
        left = words.at(0, left);
        top = words.at(1, top);
    }
    const int pixelsPerInch = ini.readInteger(section, KeyPixelsPerInch, metrics.pixelsPerInch);

    std::optional<QPoint> normalPosition;
    if ((!minMaxText.isEmpty() || !normText.isEmpty()) && pixelsPerInch == metrics.pixelsPerInch) {
        // The border is fixed: the size is never restored, only where the window stands.
        // Stored numbers may be anything up to the 32-bit extremes: the rectangle is worked out in
        // 64 bits, so that a far-off one is seen as what it is and opens centred.
        const qint64 right = qint64(left) + frame.width();
        const qint64 bottom = qint64(top) + frame.height();
        if (left < right) {
            m_centreOnShow = false;
            m_minPosition = minPosition;
            m_maxPosition = maxPosition;
            const bool visible =
                std::any_of(metrics.visibleAreas.begin(), metrics.visibleAreas.end(), [&](const QRect& area) {
                    return !area.isEmpty() && left < qint64(area.x()) + area.width() &&
                           qint64(area.x()) < right && top < qint64(area.y()) + area.height() &&
                           qint64(area.y()) < bottom;
                });
            if (visible) {
                normalPosition = QPoint(left, top);
            } else {
                // A rectangle on no screen (a screen that is gone) would leave the window out of
                // reach: it opens centred; the stored values stay until the next save.
                normalPosition = centredTopLeft(metrics.centreArea, frame.size());
            }
        }
    }

    // State: applied also when the position was not.
    Qt::WindowStates state;
    switch (ini.readInteger(section, KeyShowCmd, 0)) {
    case 2:
    case 6:
    case 7:
        state = Qt::WindowMinimized;
        if (flags & FlagRestoreToMaximized) state |= Qt::WindowMaximized;
        break;
    case 3:
        state = Qt::WindowMaximized;
        break;
    default:
        break;
    }
    const Qt::WindowStates others = m_form->windowState() & ~SizeStates;
    if (normalPosition) {
        // The normal rectangle can only be set in the normal state.
        if (m_form->windowState() & SizeStates) m_form->setWindowState(others);
        m_form->move(*normalPosition);
    } else if (m_centreOnShow) {
        if (m_form->windowState() & SizeStates) m_form->setWindowState(others);
        centreForm(metrics);
    }
    m_form->setWindowState(others | state);
    m_form->update();

    // A maximised window's border lies just outside the screen.
    m_maxPosition = QPoint(-metrics.border.width(), -metrics.border.height());
}
