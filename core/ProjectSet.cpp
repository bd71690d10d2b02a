#include "ProjectSet.h"

#include "Cp1251.h"
#include "DeviceMessage.h"
#include "IniFile.h"
#include "ProjectFile.h"

#include <QUuid>

#include <algorithm>

namespace {

const QString SectionProjects = QStringLiteral("Projects");

QString indexed(const char* key, int i) {
    return QLatin1String(key) + QString::number(i);
}

bool sameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sameNumber(const QString& a, const QString& b) {
    return TProjectSet::number(a) == TProjectSet::number(b);
}

// Writes a number when the file does not already give it.
bool writeNumber(IniFile& ini, const QString& section, const QString& key, const QString& now,
                 const QString& wanted, bool asIdentifier) {
    const std::optional<int32_t> value = TProjectSet::number(wanted);
    if (!value || TProjectSet::number(now) == value) return true;
    return ini.writeString(section, key,
                           asIdentifier ? TProjectSet::identifierText(static_cast<uint32_t>(*value))
                                        : QString::number(*value));
}

} // namespace

std::optional<int32_t> TProjectSet::number(const QString& text) {
    return IniFile::parseInteger(text);
}

QString TProjectSet::identifierText(uint32_t id) {
    return QLatin1String("0x") + QString::number(id, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

TProjectDraft TProjectSet::readDraft(const IniFile& ini, const QString& section) {
    // The same defaults as loading a project; a row not in use is read as it would be if it were
    // (its device number the one after the previous row in use), so that switching it on shows
    // what the tool would then use.
    TProjectDraft d;
    d.Name = section;
    d.Section = section;
    const int32_t protokol = ini.readInteger(section, QStringLiteral("Protokol"), 0);
    const int32_t base = ini.readInteger(section, QStringLiteral("BaseAdr"), 0);
    const int32_t plus = ini.readInteger(section, QStringLiteral("PlusAdr"), 16);
    d.Protokol = QString::number(protokol);
    d.BaseAdr = identifierText(static_cast<uint32_t>(base));
    d.PlusAdr = identifierText(static_cast<uint32_t>(plus));
    d.CommAdr = identifierText(static_cast<uint32_t>(ini.readInteger(section, QStringLiteral("CommAdr"), 0)));
    const bool p3 = protokol == Protocol3;
    const uint32_t usedBase = p3 ? 0u : static_cast<uint32_t>(base);
    const uint32_t usedPlus = p3 ? 0x10000000u : static_cast<uint32_t>(plus);
    const int shift = p3 ? 24 : 0;
    int32_t can = -1;
    for (int i = 0; i < DeviceRows; ++i) {
        TProjectRowDraft& row = d.Rows[static_cast<size_t>(i)];
        row.Use = ini.readBool(section, indexed("Use_", i), false);
        const int32_t c = ini.readInteger(section, indexed("CANadr_", i),
                                          static_cast<int32_t>(static_cast<uint32_t>(can) + 1u));
        if (row.Use) can = c;
        row.RSadr = QString::number(ini.readInteger(section, indexed("RSadr_", i), i));
        const uint32_t rx = (static_cast<uint32_t>(c) << shift) + usedBase;
        const uint32_t tx = rx + usedPlus;
        row.TXadr = identifierText(
            static_cast<uint32_t>(ini.readInteger(section, indexed("TXadr_", i), static_cast<int32_t>(tx))));
        row.RXadr = identifierText(
            static_cast<uint32_t>(ini.readInteger(section, indexed("RXadr_", i), static_cast<int32_t>(rx))));
        row.Name = ini.readString(section, indexed("Name_", i), indexed("ZELM_", i));
    }
    for (int j = 0; j < CommandCount; ++j)
        d.Captions[static_cast<size_t>(j)] =
            ini.readString(section, indexed("DigiBut_", j), QStringLiteral("-"));
    return d;
}

void TProjectSet::load(const IniFile& ini) {
    m_projects.clear();
    m_removedSections.clear();
    m_cp1251 = ini.isCp1251();
    const TProjectList list = ReadProjectList(ini);
    m_readProjectNum = list.ProjectNum;
    m_readCount = static_cast<int>(list.Names.size());
    for (const QString& name : list.Names) {
        TProjectDraft d = readDraft(ini, name);
        // Two entries of the list naming one section: the second is a copy until renamed.
        for (const TProjectDraft& earlier : std::as_const(m_projects))
            if (sameText(earlier.Section, name)) d.Section.clear();
        m_projects << d;
    }
    m_selected = list.ProjectNum >= 1 && list.ProjectNum <= m_readCount ? list.ProjectNum - 1 : -1;
}

QString TProjectSet::freeName(const QString& base) const {
    const auto used = [this](const QString& name) {
        return std::any_of(m_projects.begin(), m_projects.end(),
                           [&](const TProjectDraft& d) { return sameText(d.Name, name); });
    };
    if (!used(base)) return base;
    for (int n = 2;; ++n)
        if (const QString name = base + QLatin1Char(' ') + QString::number(n); !used(name)) return name;
}

int TProjectSet::add() {
    const IniFile none{QString()};
    TProjectDraft d = readDraft(none, freeName(QStringLiteral("Project%1").arg(m_projects.size() + 1)));
    d.Section.clear();
    m_projects << d;
    return static_cast<int>(m_projects.size()) - 1;
}

int TProjectSet::copy(int i) {
    if (i < 0 || i >= m_projects.size()) return -1;
    TProjectDraft d = m_projects.at(i);
    d.Section.clear();
    d.Name = freeName(tr("%1 (copy)").arg(d.Name));
    m_projects.insert(i + 1, d);
    if (m_selected > i) ++m_selected;
    return i + 1;
}

void TProjectSet::remove(int i) {
    if (i < 0 || i >= m_projects.size()) return;
    const QString section = m_projects.at(i).Section;
    m_projects.removeAt(i);
    if (!section.isEmpty()) m_removedSections << section;
    if (m_selected == i)
        m_selected = -1;
    else if (m_selected > i)
        --m_selected;
}

int TProjectSet::move(int i, int delta) {
    const int j = i + delta;
    if (i < 0 || i >= m_projects.size() || j < 0 || j >= m_projects.size()) return i;
    m_projects.swapItemsAt(i, j);
    if (m_selected == i)
        m_selected = j;
    else if (m_selected == j)
        m_selected = i;
    return j;
}

QString TProjectSet::nameProblem(const QString& name, bool cp1251, bool projectName) {
    if (projectName && name.isEmpty()) return tr("is empty");
    if (name.size() > MaxNameLength) return tr("is longer than %1 characters").arg(MaxNameLength);
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Format ||
            c.isSurrogate() || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return tr("holds a control character");
    if (!name.isEmpty() && (name.front().isSpace() || name.back().isSpace()))
        return tr("begins or ends with a space, which the file does not keep");
    if (name.size() >= 2 && name.front() == u'"' && name.back() == u'"')
        return tr("is enclosed in double quotes, which Windows removes when it reads the file");
    if (projectName) {
        if (name.contains(u']') || name.contains(u'='))
            return tr("holds \"]\" or \"=\", which a project name cannot hold");
        if (name.front() == u';' || name.front() == u'#' || name.front() == u'[')
            return tr("begins with \"%1\", which a project name cannot").arg(name.front());
        if (sameText(name, SectionProjects)) return tr("is the name of the project list's own section");
        if (sameText(name, QString::fromLatin1(PlaceholderProject)))
            return tr("is the selector's placeholder");
    }
    if (cp1251) {
        QString lost;
        for (const QChar c : name)
            if (DecodeCp1251(EncodeCp1251(QString(c))) != QString(c) && !lost.contains(c)) lost += c;
        if (!lost.isEmpty())
            return tr("holds characters the file's code page (Windows-1251) cannot store: %1").arg(lost);
    }
    return {};
}

QList<TProjectProblem> TProjectSet::check() const {
    QList<TProjectProblem> problems;
    for (int k = 0; k < m_projects.size(); ++k) {
        const TProjectDraft& d = m_projects.at(k);
        const QString project =
            d.Name.isEmpty() ? tr("Project %1").arg(k + 1) : tr("Project \"%1\"").arg(d.Name);
        const auto add = [&](TProjectField field, int index, const QString& what, const QString& why,
                             bool warning = false) {
            //: A problem of the project editor: the project, the value and what is wrong with it
            //: ("Project \"Line 2\", the base identifier \"0x1G\" is not a number").
            problems << TProjectProblem{k, field, index, tr("%1, %2 %3").arg(project, what, why), warning};
        };
        if (const QString why = nameProblem(d.Name, m_cp1251, true); !why.isEmpty())
            add(TProjectField::Name, -1, tr("the name"), why);
        for (int e = 0; e < k; ++e)
            if (sameText(m_projects.at(e).Name, d.Name))
                add(TProjectField::Name, -1, tr("the name"), tr("is also project %1's").arg(e + 1));
        const std::optional<int32_t> protokol = number(d.Protokol);
        if (!protokol) add(TProjectField::Protokol, -1, tr("the protocol number"), tr("is not a number"));
        const auto identifier = [&](TProjectField field, int index, const QString& text,
                                    const QString& what) {
            const std::optional<int32_t> v = number(text);
            if (!v)
                add(field, index, what, tr("\"%1\" is not a number").arg(text));
            else if (static_cast<uint32_t>(*v) > MaxIdentifier)
                add(field, index, what,
                    tr("%1 does not fit in 29 bits (at most %2)").arg(text, identifierText(MaxIdentifier)));
            return v;
        };
        identifier(TProjectField::BaseAdr, -1, d.BaseAdr, tr("the base identifier"));
        identifier(TProjectField::PlusAdr, -1, d.PlusAdr, tr("the transmission offset"));
        identifier(TProjectField::CommAdr, -1, d.CommAdr, tr("the further identifier"));
        std::array<std::optional<uint32_t>, DeviceRows> keys{};
        for (int i = 0; i < DeviceRows; ++i) {
            const TProjectRowDraft& row = d.Rows[static_cast<size_t>(i)];
            if (!row.Use) continue;
            const QString r = tr("row %1").arg(i);
            const std::optional<int32_t> rs = number(row.RSadr);
            if (!rs || *rs < 0 || *rs > MaxSerialAddress)
                add(TProjectField::RSadr, i, r,
                    tr("serial address \"%1\" is not a number from 0 to %2")
                        .arg(row.RSadr)
                        .arg(MaxSerialAddress));
            identifier(TProjectField::RXadr, i, row.RXadr, tr("row %1 reception identifier").arg(i));
            const std::optional<int32_t> tx =
                identifier(TProjectField::TXadr, i, row.TXadr, tr("row %1 transmission identifier").arg(i));
            if (tx && static_cast<uint32_t>(*tx) <= MaxIdentifier) {
                // The monitor tells the rows apart by the key of their identifier.
                const uint32_t key = CanKey(static_cast<uint32_t>(*tx), protokol.value_or(0));
                for (int e = 0; e < i; ++e)
                    if (keys[static_cast<size_t>(e)] == key) {
                        add(TProjectField::TXadr, i, r,
                            tr("transmission identifier %1 is also row %2's").arg(row.TXadr).arg(e), true);
                        add(TProjectField::TXadr, e, tr("row %1").arg(e),
                            tr("transmission identifier %1 is also row %2's")
                                .arg(d.Rows[size_t(e)].TXadr)
                                .arg(i),
                            true);
                    }
                keys[static_cast<size_t>(i)] = key;
            }
            if (const QString why = nameProblem(row.Name, m_cp1251, false); !why.isEmpty())
                add(TProjectField::RowName, i, tr("row %1 name").arg(i), why);
        }
        for (int j = 0; j < CommandCount; ++j)
            if (const QString why = nameProblem(d.Captions[static_cast<size_t>(j)], m_cp1251, false);
                !why.isEmpty())
                add(TProjectField::Caption, j, tr("command caption %1").arg(j), why);
    }
    return problems;
}

bool TProjectSet::writeDraft(IniFile& ini, const TProjectDraft& d, bool fresh) {
    const QString& s = d.Name;
    TProjectDraft now = readDraft(ini, s);
    bool ok = true;
    if (fresh && !ini.hasKey(s, QStringLiteral("Protokol")))
        ok &= ini.writeInteger(s, QStringLiteral("Protokol"), number(d.Protokol).value_or(0));
    ok &= writeNumber(ini, s, QStringLiteral("Protokol"), now.Protokol, d.Protokol, false);
    ok &= writeNumber(ini, s, QStringLiteral("BaseAdr"), now.BaseAdr, d.BaseAdr, true);
    ok &= writeNumber(ini, s, QStringLiteral("PlusAdr"), now.PlusAdr, d.PlusAdr, true);
    ok &= writeNumber(ini, s, QStringLiteral("CommAdr"), now.CommAdr, d.CommAdr, true);
    for (int i = 0; i < DeviceRows; ++i) {
        const TProjectRowDraft& want = d.Rows[static_cast<size_t>(i)];
        // A row switched on or off moves the device numbers of the rows after it: each row is
        // compared with what the file gives after the rows before it were written.
        now = readDraft(ini, s);
        if (now.Rows[static_cast<size_t>(i)].Use != want.Use) {
            ok &= ini.writeBool(s, indexed("Use_", i), want.Use);
            now = readDraft(ini, s);
        }
        const TProjectRowDraft& has = now.Rows[static_cast<size_t>(i)];
        ok &= writeNumber(ini, s, indexed("RSadr_", i), has.RSadr, want.RSadr, false);
        ok &= writeNumber(ini, s, indexed("TXadr_", i), has.TXadr, want.TXadr, true);
        ok &= writeNumber(ini, s, indexed("RXadr_", i), has.RXadr, want.RXadr, true);
        if (has.Name != want.Name && (want.Use || nameProblem(want.Name, ini.isCp1251(), false).isEmpty()))
            ok &= ini.writeString(s, indexed("Name_", i), want.Name);
    }
    for (int j = 0; j < CommandCount; ++j)
        if (now.Captions[static_cast<size_t>(j)] != d.Captions[static_cast<size_t>(j)])
            ok &= ini.writeString(s, indexed("DigiBut_", j), d.Captions[static_cast<size_t>(j)]);
    return ok;
}

bool TProjectSet::sameDraft(const TProjectDraft& a, const TProjectDraft& b) {
    if (!sameNumber(a.Protokol, b.Protokol) || !sameNumber(a.BaseAdr, b.BaseAdr) ||
        !sameNumber(a.PlusAdr, b.PlusAdr) || !sameNumber(a.CommAdr, b.CommAdr) || a.Captions != b.Captions)
        return false;
    for (int i = 0; i < DeviceRows; ++i) {
        const TProjectRowDraft& x = a.Rows[static_cast<size_t>(i)];
        const TProjectRowDraft& y = b.Rows[static_cast<size_t>(i)];
        if (x.Use != y.Use) return false;
        // A row not in use may keep values that could not be written.
        if (x.Use && (!sameNumber(x.RSadr, y.RSadr) || !sameNumber(x.RXadr, y.RXadr) ||
                      !sameNumber(x.TXadr, y.TXadr) || x.Name != y.Name))
            return false;
    }
    return true;
}

bool TProjectSet::save(IniFile& ini, QString* error) const {
    QList<TProjectProblem> problems = check();
    problems.removeIf([](const TProjectProblem& p) { return p.Warning; });
    if (!problems.isEmpty()) {
        *error = problems.size() == 1 ? tr("%1. Nothing was saved.").arg(problems.first().Text)
                                      : tr("%1, and %n more. Nothing was saved.", nullptr,
                                           static_cast<int>(problems.size() - 1))
                                            .arg(problems.first().Text);
        return false;
    }
    const auto keeps = [this](const QString& section) {
        return std::any_of(m_projects.begin(), m_projects.end(),
                           [&](const TProjectDraft& d) { return sameText(d.Section, section); });
    };
    ini.beginBatch();
    bool ok = true;
    for (const QString& section : m_removedSections)
        if (!keeps(section)) ok &= ini.removeSection(section);
    // Renamed through names nobody uses, so that two projects may swap their names.
    QList<QPair<QString, QString>> renames;
    for (const TProjectDraft& d : m_projects)
        if (!d.Section.isEmpty() && d.Section != d.Name) {
            const QString through =
                QStringLiteral("~rename~") + QUuid::createUuid().toString(QUuid::WithoutBraces);
            ok &= ini.renameSection(d.Section, through);
            renames << qMakePair(through, d.Name);
        }
    for (const auto& [through, name] : std::as_const(renames))
        ok &= ini.renameSection(through, name);
    for (const TProjectDraft& d : m_projects)
        ok &= writeDraft(ini, d, d.Section.isEmpty());

    const int count = static_cast<int>(m_projects.size());
    if (ini.readInteger(SectionProjects, QStringLiteral("ProjectQua"), 0) != count)
        ok &= ini.writeInteger(SectionProjects, QStringLiteral("ProjectQua"), count);
    for (int k = 1; k <= count; ++k) {
        const QString key = indexed("Project", k);
        const QString& name = m_projects.at(k - 1).Name;
        if (!ini.hasKey(SectionProjects, key) || ini.readString(SectionProjects, key, {}) != name)
            ok &= ini.writeString(SectionProjects, key, name);
    }
    for (int k = count + 1; k <= std::max(m_readCount, count); ++k)
        if (ini.hasKey(SectionProjects, indexed("Project", k)))
            ok &= ini.removeKey(SectionProjects, indexed("Project", k));
    // The selection follows its project; it is left alone when it named none and still does not.
    const bool selectedBefore = m_readProjectNum >= 0 && m_readProjectNum <= m_readCount;
    if (m_selected >= 0 || selectedBefore) {
        const int num = m_selected + 1;
        if (ini.readInteger(SectionProjects, QStringLiteral("ProjectNum"), 0) != num)
            ok &= ini.writeInteger(SectionProjects, QStringLiteral("ProjectNum"), num);
    }

    // The file must now read as the set: the list, and every project as edited.
    bool same = ok;
    if (same) {
        const TProjectList list = ReadProjectList(ini);
        same = list.Names.size() == count;
        for (int k = 0; same && k < count; ++k)
            same = list.Names.at(k) == m_projects.at(k).Name &&
                   sameDraft(readDraft(ini, m_projects.at(k).Name), m_projects.at(k));
    }
    if (!same) {
        const QString why = ok ? tr("the file would not read back as edited") : ini.errorString();
        ini.cancelBatch();
        *error = tr("Cannot save %1: %2. Nothing was saved.").arg(ini.path(), why);
        return false;
    }
    if (!ini.commitBatch()) {
        *error = ini.errorString();
        return false;
    }
    return true;
}
