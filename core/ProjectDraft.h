#pragma once

// The records of the project editor: a project as the user edits it, numbers kept as typed (so a
// wrong one can be shown and named), and one problem of a draft. TProjectSet reads, checks and
// saves them.

#include "Project.h"

#include <QString>

#include <array>

struct TProjectRowDraft {
    bool Use = false;
    QString RSadr; // decimal
    QString RXadr; // "0x" and eight hex digits, or as typed
    QString TXadr;
    QString Name;
};

struct TProjectDraft {
    QString Name;
    // The section the project was read from; empty for a project added (or copied) in the editor.
    QString Section;
    QString Protokol;
    QString BaseAdr;
    QString PlusAdr;
    QString CommAdr;
    std::array<TProjectRowDraft, DeviceRows> Rows{};
    std::array<QString, CommandCount> Captions{};
};

enum class TProjectField {
    Name,
    Protokol,
    BaseAdr,
    PlusAdr,
    CommAdr,
    Use,
    RSadr,
    RXadr,
    TXadr,
    RowName,
    Caption
};

struct TProjectProblem {
    int Project = -1; // index in the list
    TProjectField Field = TProjectField::Name;
    int Index = -1; // the device row or the caption; -1 for a field of the project
    QString Text;   // says which value is wrong and why
    // A value that is allowed but most likely a slip (two rows on one transmission identifier,
    // which some plants do on purpose): shown, but no reason to refuse a save.
    bool Warning = false;
};
