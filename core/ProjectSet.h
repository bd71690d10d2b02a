#pragma once

// The project list of Projects.ini as the project editor edits it: projects added, renamed,
// copied, removed and reordered, each with its protocol, identifiers, sixteen device rows and
// seventeen command captions. Nothing touches the file until save(), which writes through the
// line-preserving IniFile in one replacement of the file: only the keys whose value the file
// does not already give (a default the file implies counts as given), the renamed section
// headers, the removed sections and the list in [Projects]. Comments, unknown keys and the order
// of the file stay; a file saved without a change stays byte for byte the same.

#include "ProjectDraft.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class IniFile;

class TProjectSet {
    Q_DECLARE_TR_FUNCTIONS(TProjectSet)
public:
    // Longest name of a project, a device or a caption.
    static constexpr int MaxNameLength = 255;
    static constexpr int MaxSerialAddress = 247;
    static constexpr uint32_t MaxIdentifier = 0x1FFFFFFF;

    // Reads the list and every project's section. The file's encoding decides which names it can
    // hold.
    void load(const IniFile& ini);

    [[nodiscard]] QList<TProjectDraft>& projects() { return m_projects; }
    [[nodiscard]] const QList<TProjectDraft>& projects() const { return m_projects; }
    // The project the main window shows (its index in the list), -1 for none.
    [[nodiscard]] int selected() const { return m_selected; }

    // A new project with the values a missing section reads as, named "Project<n>"; its index.
    int add();
    // A copy of project i named "<name> (copy)" after it; its index.
    int copy(int i);
    void remove(int i);
    // Moves project i one place up (-1) or down (+1); the new index.
    int move(int i, int delta);

    // Everything that is wrong or suspect, in the order of the list; the set may be saved when
    // every problem is a warning.
    [[nodiscard]] QList<TProjectProblem> check() const;
    // Writes the set into the file in one replacement; false with the message when a value is
    // wrong (the first such problem) or the file cannot be written. The file is then as it was.
    [[nodiscard]] bool save(IniFile& ini, QString* error) const;

    // A value as typed: a number (decimal, or hexadecimal after "0x"), nullopt otherwise.
    [[nodiscard]] static std::optional<int32_t> number(const QString& text);
    // An identifier as the tool shows it: "0x" and eight upper-case hexadecimal digits.
    [[nodiscard]] static QString identifierText(uint32_t id);
    // What is wrong with a name for the file (empty when nothing): kind says what it names.
    [[nodiscard]] static QString nameProblem(const QString& name, bool cp1251, bool projectName);

private:
    [[nodiscard]] static TProjectDraft readDraft(const IniFile& ini, const QString& section);
    [[nodiscard]] static bool sameDraft(const TProjectDraft& a, const TProjectDraft& b);
    [[nodiscard]] static bool writeDraft(IniFile& ini, const TProjectDraft& draft, bool fresh);
    [[nodiscard]] QString freeName(const QString& base) const;

    QList<TProjectDraft> m_projects;
    QStringList m_removedSections; // sections of removed projects
    int m_selected = -1;
    int32_t m_readProjectNum = 0;
    int m_readCount = 0; // "Project" keys of the list as read
    bool m_cp1251 = false;
};
