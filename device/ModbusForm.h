#pragma once

// The device window: the image of one device's 128 registers, the parameter display (analog and
// discrete blocks), the register write editor, the command buttons and the serial analog read.
// The implementation is split by area: ModbusFormLayout.cpp (state and layout), ModbusFormDisplay.cpp
// (parameter display), ModbusFormEditor.cpp (write editor), ModbusFormCommands.cpp (command
// buttons), ModbusFormSerial.cpp (serial read), ModbusFormTrend.cpp (the trend window),
// ModbusFormProfile.cpp (the register map: tooltips, the Parameters view, the window's menu).

#include "core/CanFrame.h"
#include "core/DeviceMessage.h"
#include "core/RegisterImage.h"
#include "core/SharedTimer.h"
#include "profile/DeviceProfile.h"
#include "session/DeviceSession.h"
#include "ui/RewriteBudget.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TCellMatrix;
struct TColorTables;
class TFormStorage;
class TParametersForm;
class TSpinEdit;
class TTrendForm;
class TTrendModel;
class TRestoreRun;
struct TProject;

inline constexpr int DigiColumns = 32;   // registers of the discrete block
inline constexpr int DigiBits = 16;      // bit cells per discrete column
inline constexpr int AnaCellCount = 64;  // cells of the analog block
inline constexpr int AnaColumns = 8;
inline constexpr int GridRows = 4;       // data words of the write editor

// "identifier 0x00000105, data 00 05 ...": a frame as the memo's details tell it.
[[nodiscard]] QString FrameText(const TCanFrame& frame);

class TModbusForm : public QWidget, private TDeviceSessionView {
    Q_OBJECT
public:
    // Builds the window (FormCreate) on a session of its own. The project supplies the command
    // captions and is marked changed when the user renames a command button. The window's
    // placement is kept in Quorvex.ini in programDir (the program's folder, with its trailing
    // separator).
    TModbusForm(TProject& project, const QString& programDir, QWidget* parent = nullptr);
    ~TModbusForm() override;

    // The device the window shows: its register image, writes, commands and repetition.
    [[nodiscard]] TDeviceSession& session() { return m_session; }
    [[nodiscard]] const TDeviceSession& session() const { return m_session; }

private:
    TDeviceSession m_session; // first: the address fields below refer to it

public:
    // Written by the main window before the first showing; never changed by the window (they are
    // the session's).
    int32_t& RSadr = m_session.RSadr;
    int32_t& RXadr = m_session.RXadr;
    int32_t& TXadr = m_session.TXadr;
    int32_t& Protokol = m_session.Protokol;

    // ---- parameter display --------------------------------------------------------------------
    // A message of the device: into the session's image, then painted.
    void ReceiveCanData(const TDeviceMessage& msg);
    void AnaLabWrite();
    void DigiLabWrite();
    void AnaRewrite();
    void DigiRewrite();
    void DigiColWrite(uint16_t value, int32_t column, int32_t level, int32_t direction);
    void HexaDec();

    // ---- display: memo summary (ModbusFormDisplay.cpp) -----------------------------------------
    // A message keeps the summary of the last message and writes it into the first line of Memo1
    // once per pass of the event loop, before the next paint, at most every 100 ms while messages
    // keep coming (less often while other windows cover part of the memo, and not at all while
    // they cover all of it, until it comes into view). flushMemo() writes a pending summary
    // at once; memoAdd() and the memo handlers call it first, so the memo reads exactly as if every
    // message had written its line.
    void flushMemo();
    // The part of the memo in view changed (part in Memo1's coordinates): a summary waits while
    // none of it can be seen and shares the rewrites of partly covered texts while only part of it
    // can; what was held back is written as soon as the memo is wholly in view.
    void memoPartInView(const QRegion& part);
    // Appends one line to Memo1.
    void memoAdd(const QString& line);
    // What the last line of Memo1 stands for, shown when the mouse rests on that line (what a
    // "Setting settings..." or "Command commands..." line sent).
    void memoDetail(const QString& detail);
    // The detail of the memo line at pos (in the memo's viewport), empty for none.
    [[nodiscard]] QString memoDetailAt(QPoint pos) const;

    // ---- write editor and commands -------------------------------------------------------------
    void SetButtonDo();
    void DigiBoxWrite(int32_t value);
    void CommButtDo(int k);

    // ---- serial read ----------------------------------------------------------------------------
    void ReadAnalog();

    // ---- trend (ModbusFormTrend.cpp) --------------------------------------------------------------
    // Starts recording a register (bit -1) or one of its bits and shows the trend window with it.
    // false when the trend records eight already.
    bool plotRegister(int reg, int bit = -1);
    // Ctrl+P: the trend window with the registers of the selected cells or, with none selected,
    // the first four of the analog block.
    void plotSelection();
    // The registers of the selected cells: analog cells first, then the columns of bit cells.
    [[nodiscard]] QList<int> selectedRegisters() const;
    // Opens the trend window, or brings it to the front.
    TTrendForm* showTrend();
    // The recording, made with the first trend window; nullptr before.
    [[nodiscard]] TTrendModel* trendModel() const { return m_trend.get(); }
    // The trend window, nullptr before the first one was opened.
    [[nodiscard]] TTrendForm* trendForm() const { return TrendForm; }

    // ---- register map (ModbusFormProfile.cpp) -----------------------------------------------------
    // The project row the window shows (the main window tells it once, after the addresses): its
    // register map, the profile kept in Quorvex.ini for "<project section>/<row>", is read now, and
    // its parameter sets are the row's. A profile that cannot be used is reported once; the window
    // then works as without one.
    void setRow(int row);
    [[nodiscard]] int row() const { return m_row; }
    // The row's profile; nullptr when it has none.
    [[nodiscard]] const TDeviceProfile* profile() const { return m_profile.get(); }
    // Makes a profile file the row's register map and keeps it in Quorvex.ini at once (without a
    // row: for this window only); an empty path clears it. false, reported once, when the file is
    // no valid profile or the setting cannot be written: the window keeps what it had.
    bool setRegisterMap(const QString& path);
    // Ctrl+R: the Parameters view, opened or brought to the front.
    TParametersForm* showParameters();
    // The Parameters view, nullptr before it was first opened.
    [[nodiscard]] TParametersForm* parametersForm() const { return ParametersView; }

    // ---- parameter sets (ModbusFormParams.cpp) -----------------------------------------------------
    // Saves the registers the device reported of `registers` (empty: the profile's rw registers, or
    // all) into a parameter-set file; false with the message (nothing reported yet, the file could
    // not be written).
    bool saveParameters(const QString& path, const QList<int>& registers, QString* error);
    // Shows the registers of the file against the live values, differences marked.
    void compareWithFile(const QString& path);
    // Restores a file: checks, asks once with the list of changes, writes paced, verifies, shows the
    // result (which offers to restore the failed registers again). only: just these registers.
    void restoreFromFile(const QString& path, const QList<int>& only = {});
    // The restore under way or last done; nullptr before the first.
    [[nodiscard]] TRestoreRun* restoreRun() const { return m_restore.get(); }
    QAction* SaveParamsAction = nullptr;
    QAction* CompareParamsAction = nullptr;
    QAction* RestoreParamsAction = nullptr;

    // ---- actions of the window (its menus and shortcuts) --------------------------------------------
    QAction* ReadAnalogAction = nullptr;    // in the analog block's context menu, shortcut Ctrl+Shift+R
    QAction* ParametersAction = nullptr;    // the window's context menu, Ctrl+R
    QAction* RegisterMapAction = nullptr;   // the window's context menu: choose a profile
    QAction* NoRegisterMapAction = nullptr; // the window's context menu: clear it
    QAction* PlotAction = nullptr;     // Ctrl+P
    QAction* PlotAnaAction = nullptr;  // in the analog block's menu: the register under the mouse
    QAction* PlotDigiAction = nullptr; // in the discrete block's menu: its register
    QAction* PlotBitAction = nullptr;  // in the discrete block's menu: its bit

    // ---- state, readable by tests and the main window -------------------------------------------
    [[nodiscard]] const TRegisterImage::Cells& regs() const { return m_session.image().cells(); }
    // The register image the window shows; listeners may connect to its registerChanged().
    [[nodiscard]] TRegisterImage& image() { return m_session.image(); }
    [[nodiscard]] const TRegisterImage& image() const { return m_session.image(); }
    // The first register and the length of the analog and the discrete block, as last applied.
    [[nodiscard]] int32_t anaStartNum() const { return AnaStartNum; }
    [[nodiscard]] int32_t anaLenNum() const { return AnaLenNum; }
    [[nodiscard]] int32_t digiStartNum() const { return DigiStartNum; }
    [[nodiscard]] int32_t digiLenNum() const { return DigiLenNum; }
    [[nodiscard]] int32_t msgCount() const { return m_session.msgCount(); }

    // ---- handlers: parameter display (ModbusFormDisplay.cpp) -------------------------------------
    void AnaStartChange();
    void AnaLenChange();
    void DigiStartChange();
    void DigiLenChange();
    void AnaStart24Click();
    void AnaStart64Click();
    void AnaLen64Click();
    void DigiStart0Click();
    void DigiLen24Click();
    void DigiLen32Click();
    void DecLabClick();
    void HexLabClick();
    void AnaValue(int k);
    void DigValue(int j);
    void ColorBoxClick();
    void FadeBoxClick();
    void FadeSpinChange();
    void myTimerTimer();
    void fadeCountdown();  // the fade part of myTimerTimer
    // Paints register r into the blocks wherever they show it.
    void paintRegister(int r);

    // ---- handlers: write editor (ModbusFormEditor.cpp) -------------------------------------------
    void SetButtonClick();
    void DataGridKeyPress(QChar& key);
    void DataGridSetEditText(int row, const QString& text);
    void DataGridGetEditText(int row);
    void DataGridSelectCell(int row);
    void DataLenEditChange();
    void BitButClick(int r);
    void DigiClick(int k);
    void AutoTimeEditChange();
    void autoRepeatStep() { m_session.autoRepeatStep(); } // the auto-repeat part of myTimerTimer
    [[nodiscard]] int32_t BitRow() const;
    [[nodiscard]] int32_t AutoCountdown() const { return m_session.autoCountdown(); }
    // editor: paints one DataGrid cell (window background, window text at 2, 2, no selection)
    void DataGridDrawCell(QPainter& painter, const QRect& rect, int row) const;

    // ---- handlers: command buttons (ModbusFormCommands.cpp) --------------------------------------
    void CommButtClick(int k);
    void RenameButton(int k);
    void Renamido(int key);
    void Renamed();

    // ---- handlers: state and layout (ModbusFormLayout.cpp) ---------------------------------------
    void FormShow();
    void FormClose();
    void Memo1Change();
    void Memo1DblClick();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The session took in a message: the memo summary and the registers written.
    void sessionMessage(const TDeviceMessage& msg, const TRegisterImage::TWritten& written) override;
    void showMessage(const TDeviceMessage& msg, const TRegisterImage::TWritten& written);

    // Layout (ModbusFormLayout.cpp) calls these, which live with their areas.
    void createDesignControls();   // ModbusFormLayout.cpp: memo, parameter group, "Данные" group
    void connectDesignControls();  // ModbusFormLayout.cpp: their handlers
    void createEditorControls();   // ModbusFormEditor.cpp: GroupBox2, DigiBox, address, grid, ...
    void createCommandControls();  // ModbusFormCommands.cpp: GroupBox1, CommButt, RenameEdit
    void offerSerialRead();        // ModbusFormSerial.cpp: the analog block's menu and Ctrl+Shift+R
    void offerTrend();             // ModbusFormTrend.cpp: the blocks' menus and Ctrl+P
    void offerProfile();           // ModbusFormProfile.cpp: the register map's actions, Ctrl+R, the tooltips
    void offerParameters();        // ModbusFormParams.cpp: the parameter sets' actions
    void restoreFinished(const QString& path);
    // Asks whether the rows selected in the Parameters view or all readable registers are saved;
    // selected is emptied for all. False when the user cancels.
    bool askWhichRegisters(QList<int>& selected);
    [[nodiscard]] QString parametersFolder() const;
    // Points the plot actions at the cell under pos before a block's menu opens; false when no
    // register is shown there (a gap, a silver cell).
    bool aimPlotActions(const TCellMatrix* matrix, QPoint pos);
    // Starts recording without showing the trend window; false (and a memo line) when it is full.
    bool addToTrend(int reg, int bit = -1);
    // Gives every control its design name as object name.
    void nameControls();
    // The command button's tooltip: its caption whole, what it sends, how to rename it.
    void commandToolTip(int k);
    // Tooltips of the editor's controls that have no caption to explain them.
    void editorToolTips();
    // The bit boxes' captions, drawn smaller where they are wider than their room (ModbusFormEditor.cpp).
    void fitBitBoxes();

    // Design-time controls (names as in the window's design; each widget's object name is its
    // control name, and a family's members are named with their index, e.g. "CommButt5").
    QPlainTextEdit* Memo1 = nullptr;
    QGroupBox* GroupBox = nullptr;
    QRadioButton* HexLab = nullptr;
    QRadioButton* DecLab = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* AdreLaba = nullptr;
    QLabel* dataLaba = nullptr;
    TSpinEdit* DiggAddrEdit = nullptr;
    QTableWidget* DataGrid = nullptr;
    QWidget* BitGroup = nullptr;
    QPushButton* SetButton = nullptr;
    QWidget* Panel1 = nullptr;
    QRadioButton* RadioUp = nullptr;
    QRadioButton* RadioDn = nullptr;
    QLabel* Label1 = nullptr;
    TSpinEdit* DataLenEdit = nullptr;
    TSpinEdit* AutoTimeEdit = nullptr;
    QCheckBox* AutoBox = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* AnaStartLaba = nullptr;
    TSpinEdit* AnaStart = nullptr;
    QPushButton* AnaStart24 = nullptr;
    QPushButton* AnaStart64 = nullptr;
    QLabel* AnaLenLaba = nullptr;
    TSpinEdit* AnaLen = nullptr;
    QPushButton* AnaLen64 = nullptr;
    QLabel* DigiStartLaba = nullptr;
    TSpinEdit* DigiStart = nullptr;
    QPushButton* DigiStart0 = nullptr;
    QLabel* DigiLenLaba = nullptr;
    TSpinEdit* DigiLen = nullptr;
    QPushButton* DigiLen24 = nullptr;
    QPushButton* DigiLen32 = nullptr;
    QCheckBox* ColorBox = nullptr;
    QCheckBox* FadeBox = nullptr;
    QLabel* Label9 = nullptr;
    TSpinEdit* FadeSpin = nullptr;
    TFormStorage* FormStorage2 = nullptr;
    TSharedTimer* myTimer = nullptr; // 10 ms, on the clock all device windows share
    QLineEdit* RenameEdit = nullptr; // the in-place editor of command captions

    // Run-time families. The 512 bit cells and 64 value cells are two painted matrices addressed
    // by cell index (DigiPanel[j] is DigiCells cell j, AnaPanel[k] is AnaCells cell k).
    TCellMatrix* DigiCells = nullptr;
    TCellMatrix* AnaCells = nullptr;
    std::array<QLabel*, 32> DigiLab{};
    std::array<QLabel*, 8> AnaLab{};
    std::array<QCheckBox*, 16> DigiBox{};
    std::array<QPushButton*, 17> CommButt{};
    std::array<QRadioButton*, 4> BitBut{};

    TTrendForm* TrendForm = nullptr;

    TProject& m_project;

    // parameter display state
    const TColorTables& m_colors; // the shared tables, computed once
    int32_t AnaStartNum = 24;
    int32_t AnaLenNum = 64;
    int32_t DigiStartNum = 0;
    int32_t DigiLenNum = 24;

    // display: the summary waiting for flushMemo()
    TDeviceMessage m_memoMsg{};
    int32_t m_memoMsgCount = 0;
    bool m_memoDirty = false;
    bool m_memoFlushQueued = false;
    QElapsedTimer m_memoWritten;  // since the summary line was last written
    TSharedTimer* m_memoTimer = nullptr; // a summary held back until MemoIntervalMs have passed
    TRewriteBudget m_memoBudget;         // while other windows lie over part of the memo
    void memoTick();
    [[nodiscard]] qint64 memoIntervalMs() const;

    // Nobody can see the window (covered by others, or minimised): the blocks and the memo keep
    // their changes and draw them when it comes into view.
    bool m_covered = false;    // by other windows
    bool m_outOfSight = false; // covered or minimised
    bool m_memoHidden = false; // other windows lie over all of the memo: its summary waits too
    void setOutOfSight(bool outOfSight);

    // write editor state
    int32_t m_bitRow = 0;
    bool m_loadingBits = false;
    bool m_gridFixing = false;

    // command buttons state
    int m_renameIndex = -1;

    // parameter sets
    int m_row = -1;
    std::unique_ptr<TRestoreRun> m_restore;

    // trend: the recording outlives its window and goes with this one
    std::unique_ptr<TTrendModel> m_trend;
    QString m_programDir; // where the trend window suggests to save

    // register map (ModbusFormProfile.cpp)
    void applyProfile(std::unique_ptr<TDeviceProfile> profile);
    void describeTrend(); // the profile's names, units and scaling for the trend
    void chooseRegisterMap();
    [[nodiscard]] QString cellToolTip(const TCellMatrix* matrix, int cell) const;
    std::unique_ptr<TDeviceProfile> m_profile;
    TParametersForm* ParametersView = nullptr;
};

