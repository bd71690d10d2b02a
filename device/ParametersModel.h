#pragma once

// The rows of the Parameters view: the registers a profile describes, in register order, with their
// live values from the device window's register image (engineering value, unit, raw word) and the
// highlight of the analog cells. refresh() compares what the rows show with the image and tells
// the views of the rows that changed only; between refreshes nothing runs, whatever the traffic.

#include "profile/DeviceProfile.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <functional>
#include <vector>

class TRegisterImage;
struct TColorTables;

class TParametersModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { RegisterColumn, NameColumn, ValueColumn, UnitColumn, RawColumn, AccessColumn, ColumnCount };

    explicit TParametersModel(const TRegisterImage& image, QObject* parent = nullptr);

    // The profile whose registers are the rows (nullptr: none); it must outlive its use here.
    void setProfile(const TDeviceProfile* profile);
    [[nodiscard]] const TDeviceProfile* profile() const { return m_profile; }
    // The description of a row's register, nullptr for a row out of range.
    [[nodiscard]] const TRegisterInfo* info(int row) const;
    // The row of a register, -1 when the profile does not describe it.
    [[nodiscard]] int rowOf(int reg) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edited value goes to onEdited (the view checks and writes it); the row keeps showing the
    // register image.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Tells the views that the entry of a row was edited.
    void entryChanged(int row);
    // Tells the views of the rows whose value or highlight changed since the last refresh.
    void refresh();

    std::function<void(int reg, const QString& text)> onEdited;

private:
    struct Shown {
        int32_t Value = 0;
        int32_t Age = 0;
        int32_t Direction = 0;
        bool operator==(const Shown&) const = default;
    };
    [[nodiscard]] Shown current(int row) const;

    const TRegisterImage& m_image;
    const TColorTables& m_colors;
    const TDeviceProfile* m_profile = nullptr;
    std::vector<Shown> m_shown; // what each row showed at the last refresh
};
