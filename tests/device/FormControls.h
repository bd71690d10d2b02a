#pragma once

// The controls of a device window, found by their design names (each control's object name), as
// the tests reach them: ui(form).DataGrid, ui(form).CommButt[5]. A control that is not there fails
// the lookup at once instead of crashing later.

#include "device/ModbusForm.h"
#include "ui/CellMatrix.h"
#include "ui/FormStorage.h"
#include "ui/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

struct TFormControls {
    explicit TFormControls(const TModbusForm& form) : m_form(form) {
        Memo1 = find<QPlainTextEdit>("Memo1");
        GroupBox = find<QGroupBox>("GroupBox");
        HexLab = find<QRadioButton>("HexLab");
        DecLab = find<QRadioButton>("DecLab");
        GroupBox2 = find<QGroupBox>("GroupBox2");
        AdreLaba = find<QLabel>("AdreLaba");
        dataLaba = find<QLabel>("dataLaba");
        DiggAddrEdit = find<TSpinEdit>("DiggAddrEdit");
        DataGrid = find<QTableWidget>("DataGrid");
        BitGroup = find<QWidget>("BitGroup");
        SetButton = find<QPushButton>("SetButton");
        RadioUp = find<QRadioButton>("RadioUp");
        RadioDn = find<QRadioButton>("RadioDn");
        DataLenEdit = find<TSpinEdit>("DataLenEdit");
        AutoTimeEdit = find<TSpinEdit>("AutoTimeEdit");
        AutoBox = find<QCheckBox>("AutoBox");
        GroupBox1 = find<QGroupBox>("GroupBox1");
        GroupBox3 = find<QGroupBox>("GroupBox3");
        AnaStartLaba = find<QLabel>("AnaStartLaba");
        AnaStart = find<TSpinEdit>("AnaStart");
        AnaStart24 = find<QPushButton>("AnaStart24");
        AnaStart64 = find<QPushButton>("AnaStart64");
        AnaLenLaba = find<QLabel>("AnaLenLaba");
        AnaLen = find<TSpinEdit>("AnaLen");
        AnaLen64 = find<QPushButton>("AnaLen64");
        DigiStartLaba = find<QLabel>("DigiStartLaba");
        DigiStart = find<TSpinEdit>("DigiStart");
        DigiStart0 = find<QPushButton>("DigiStart0");
        DigiLenLaba = find<QLabel>("DigiLenLaba");
        DigiLen = find<TSpinEdit>("DigiLen");
        DigiLen24 = find<QPushButton>("DigiLen24");
        DigiLen32 = find<QPushButton>("DigiLen32");
        ColorBox = find<QCheckBox>("ColorBox");
        FadeBox = find<QCheckBox>("FadeBox");
        FadeSpin = find<TSpinEdit>("FadeSpin");
        FormStorage2 = find<TFormStorage>("FormStorage2");
        myTimer = find<TSharedTimer>("myTimer");
        RenameEdit = find<QLineEdit>("RenameEdit");
        DigiCells = find<TCellMatrix>("DigiCells");
        AnaCells = find<TCellMatrix>("AnaCells");
        family(DigiLab, "DigiLab");
        family(AnaLab, "AnaLab");
        family(DigiBox, "DigiBox");
        family(CommButt, "CommButt");
        family(BitBut, "BitBut");
    }

    QPlainTextEdit* Memo1;
    QGroupBox* GroupBox;
    QRadioButton* HexLab;
    QRadioButton* DecLab;
    QGroupBox* GroupBox2;
    QLabel* AdreLaba;
    QLabel* dataLaba;
    TSpinEdit* DiggAddrEdit;
    QTableWidget* DataGrid;
    QWidget* BitGroup;
    QPushButton* SetButton;
    QRadioButton* RadioUp;
    QRadioButton* RadioDn;
    TSpinEdit* DataLenEdit;
    TSpinEdit* AutoTimeEdit;
    QCheckBox* AutoBox;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox3;
    QLabel* AnaStartLaba;
    TSpinEdit* AnaStart;
    QPushButton* AnaStart24;
    QPushButton* AnaStart64;
    QLabel* AnaLenLaba;
    TSpinEdit* AnaLen;
    QPushButton* AnaLen64;
    QLabel* DigiStartLaba;
    TSpinEdit* DigiStart;
    QPushButton* DigiStart0;
    QLabel* DigiLenLaba;
    TSpinEdit* DigiLen;
    QPushButton* DigiLen24;
    QPushButton* DigiLen32;
    QCheckBox* ColorBox;
    QCheckBox* FadeBox;
    TSpinEdit* FadeSpin;
    TFormStorage* FormStorage2;
    TSharedTimer* myTimer;
    QLineEdit* RenameEdit;
    TCellMatrix* DigiCells;
    TCellMatrix* AnaCells;
    std::array<QLabel*, 32> DigiLab{};
    std::array<QLabel*, 8> AnaLab{};
    std::array<QCheckBox*, 16> DigiBox{};
    std::array<QPushButton*, 17> CommButt{};
    std::array<QRadioButton*, 4> BitBut{};

private:
    template <class W>
    W* find(const QString& name) const {
        W* w = m_form.findChild<W*>(name);
        if (w == nullptr) {
            std::fprintf(stderr, "the device window has no control \"%s\"\n", qPrintable(name));
            std::abort();
        }
        return w;
    }
    template <class W, size_t N>
    void family(std::array<W*, N>& members, const char* name) const {
        for (size_t i = 0; i < N; ++i)
            members[i] = find<W>(QLatin1String(name) + QString::number(i));
    }

    const TModbusForm& m_form;
};

inline TFormControls ui(const TModbusForm& form) {
    return TFormControls(form);
}
inline TFormControls ui(const TModbusForm* form) {
    return TFormControls(*form);
}
inline TFormControls ui(const std::unique_ptr<TModbusForm>& form) {
    return TFormControls(*form);
}
