#include "ParametersModel.h"

#include "core/ColorTables.h"
#include "core/RegisterImage.h"
#include "trend/TrendModel.h"

#include <QColor>

#include <algorithm>

namespace {

QString hex4(uint16_t raw) {
    return QStringLiteral("0x%1")
        .arg(raw, 4, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QLatin1String("0X"), QLatin1String("0x"));
}

} // namespace

TParametersModel::TParametersModel(const TRegisterImage& image, QObject* parent)
    : QAbstractTableModel(parent), m_image(image), m_colors(ColorTables()) {}

void TParametersModel::setProfile(const TDeviceProfile* profile) {
    beginResetModel();
    m_profile = profile;
    m_shown.assign(static_cast<size_t>(rowCount()), Shown{});
    for (int row = 0; row < rowCount(); ++row)
        m_shown[static_cast<size_t>(row)] = current(row);
    endResetModel();
}

const TRegisterInfo* TParametersModel::info(int row) const {
    if (m_profile == nullptr || row < 0 || row >= m_profile->registers().size()) return nullptr;
    return &m_profile->registers().at(row);
}

int TParametersModel::rowOf(int reg) const {
    if (m_profile == nullptr) return -1;
    const QList<TRegisterInfo>& regs = m_profile->registers();
    const auto it = std::lower_bound(regs.begin(), regs.end(), reg,
                                     [](const TRegisterInfo& a, int r) { return a.Register < r; });
    return it != regs.end() && it->Register == reg ? static_cast<int>(it - regs.begin()) : -1;
}

int TParametersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || m_profile == nullptr ? 0 : static_cast<int>(m_profile->registers().size());
}

int TParametersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

TParametersModel::Shown TParametersModel::current(int row) const {
    const TRegisterInfo* i = info(row);
    if (i == nullptr) return {};
    const TRegCell& cell = m_image.cell(i->Register);
    return {cell.Value, cell.Age, cell.Direction};
}

QVariant TParametersModel::data(const QModelIndex& index, int role) const {
    const TRegisterInfo* i = info(index.row());
    if (i == nullptr || !index.isValid()) return {};
    const TRegCell& cell = m_image.cell(i->Register);
    const auto raw = static_cast<uint16_t>(cell.Value);
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case RegisterColumn:
            return TTrendModel::registerLabel(i->Register);
        case NameColumn:
            return i->Name;
        case ValueColumn:
            return i->valueText(raw, false);
        case UnitColumn:
            return i->Unit;
        case RawColumn:
            return QString::number(i->rawNumber(raw));
        case AccessColumn:
            return i->readOnly() ? QStringLiteral("ro") : QStringLiteral("rw");
        default:
            return {};
        }
    case Qt::EditRole:
        if (column != ValueColumn) return data(index, Qt::DisplayRole);
        if (i->Type == TRegisterType::Bits) return hex4(raw);
        return i->valueText(raw, false);
    case Qt::BackgroundRole:
        // The value and the raw word wear the highlight of the analog cells.
        if (column != ValueColumn && column != RawColumn) return {};
        return QColor::fromRgb(m_colors.AnaColor[static_cast<size_t>(std::clamp(cell.Age, 0, ColorLevels))]
                                                [cell.Direction != 0 ? 1 : 0]);
    case Qt::ForegroundRole:
        // A value outside the register's limits stands out.
        if (column == ValueColumn && !i->rawInRange(raw)) return QColor(200, 0, 0);
        return {};
    case Qt::TextAlignmentRole:
        if (column == ValueColumn || column == RawColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ToolTipRole: {
        QStringList lines;
        lines << QStringLiteral("%1 %2").arg(TTrendModel::registerLabel(i->Register), i->Name);
        // The value whole: a list of bit names may be cut short in its column.
        const QString shown = i->valueText(raw);
        if (!shown.isEmpty()) lines << shown;
        lines << i->rawText(raw);
        if (!i->rangeText().isEmpty()) lines << tr("range %1").arg(i->rangeText());
        if (!i->Description.isEmpty()) lines << i->Description;
        lines << (i->readOnly() ? tr("read-only") : tr("double-click to write a new value"));
        return lines.join(QLatin1Char('\n'));
    }
    default:
        return {};
    }
}

QVariant TParametersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const names[ColumnCount] = {
        QT_TRANSLATE_NOOP("TParametersModel", "Register"), QT_TRANSLATE_NOOP("TParametersModel", "Name"),
        QT_TRANSLATE_NOOP("TParametersModel", "Value"),    QT_TRANSLATE_NOOP("TParametersModel", "Unit"),
        QT_TRANSLATE_NOOP("TParametersModel", "Raw"),      QT_TRANSLATE_NOOP("TParametersModel", "Access")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}

Qt::ItemFlags TParametersModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const TRegisterInfo* i = info(index.row());
    if (i != nullptr && index.column() == ValueColumn && !i->readOnly()) f |= Qt::ItemIsEditable;
    return f;
}

bool TParametersModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const TRegisterInfo* i = info(index.row());
    if (i == nullptr || role != Qt::EditRole || index.column() != ValueColumn || i->readOnly()) return false;
    if (onEdited) onEdited(i->Register, value.toString());
    return true;
}

void TParametersModel::entryChanged(int row) {
    if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void TParametersModel::refresh() {
    const int rows = rowCount();
    int first = -1;
    for (int row = 0; row <= rows; ++row) {
        bool changed = false;
        if (row < rows) {
            const Shown now = current(row);
            Shown& shown = m_shown[static_cast<size_t>(row)];
            changed = !(now == shown);
            shown = now;
        }
        // One notice per run of changed rows.
        if (changed && first < 0) first = row;
        if (!changed && first >= 0) {
            emit dataChanged(index(first, ValueColumn), index(row - 1, RawColumn),
                             {Qt::DisplayRole, Qt::BackgroundRole, Qt::ForegroundRole});
            first = -1;
        }
    }
}
