// The translation files as Qt Linguist leaves them: every finished translation keeps what the code
// fills in or relies on (placeholders, markup, the spaces at its ends, the plural forms of its
// language), the English of the fixed captions is English, and the built-in .qm files load.

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct TMessage {
    QString context;
    QString source;
    QStringList translations; // one, or the plural forms
    bool numerus = false;
    bool finished = true;
};

// The messages of a .ts file (empty and a failure when it cannot be read).
QList<TMessage> readTs(const QString& path) {
    QList<TMessage> result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result;
    QXmlStreamReader xml(&file);
    QString context;
    TMessage m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            m = TMessage{context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", true};
        } else if (name == u"source") {
            m.source = xml.readElementText();
        } else if (name == u"translation") {
            m.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!m.numerus)
                m.translations << xml.readElementText();
            else
                while (xml.readNextStartElement())
                    m.translations << xml.readElementText(); // numerusform
            result << m;
        }
    }
    if (xml.hasError()) qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return xml.hasError() ? QList<TMessage>() : result;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression re(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : re.globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

QStringList tags(const QString& text) {
    static const QRegularExpression re(QStringLiteral("</?([A-Za-z]+)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : re.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// The white space before and after the text, which the code's layout relies on.
QString ends(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype lead = trimmed.isEmpty() ? text.size() : text.indexOf(trimmed);
    return text.left(lead) + QLatin1Char('|') + text.mid(lead + trimmed.size());
}

} // namespace

class TstTranslations : public QObject {
    Q_OBJECT
private slots:
    void files_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pluralForms");
        QTest::newRow("Russian") << "ru" << 3;
        QTest::newRow("English") << "en" << 2;
    }

    void files() {
        QFETCH(QString, language);
        QFETCH(int, pluralForms);
        const QList<TMessage> messages =
            readTs(QStringLiteral(QUORVEX_SOURCE_DIR "/translations/canquorvex_%1.ts").arg(language));
        QVERIFY(messages.size() > 500);
        QStringList faults;
        for (const TMessage& m : messages) {
            const QString where = m.context + QStringLiteral(": \"") + m.source.left(60) + QLatin1Char('"');
            if (!m.finished) faults << where + QStringLiteral(" unfinished");
            if (m.numerus && m.translations.size() != pluralForms)
                faults << where + QStringLiteral(" has %1 plural forms").arg(m.translations.size());
            for (const QString& t : m.translations) {
                if (placeholders(t) != placeholders(m.source))
                    faults << where + QStringLiteral(" fills in ") + placeholders(t).join(u',');
                if (tags(t) != tags(m.source)) faults << where + QStringLiteral(" has other markup");
                if (ends(t) != ends(m.source))
                    faults << where + QStringLiteral(" has other spaces at its ends");
                if (language == u"en" && m.context == u"FixedCaption" &&
                    t.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))))
                    faults << where + QStringLiteral(" is not English");
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // What the programs carry is what the files say.
    void builtIn_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Russian text") << "ru"
                                      << "Help"
                                      << "Справка";
        QTest::newRow("English fixed caption") << "en"
                                               << "Текущие параметры"
                                               << "Current parameters";
    }
    void builtIn() {
        QFETCH(QString, language);
        QFETCH(QString, source);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("canquorvex_") + language, QStringLiteral(":/i18n")));
        const char* context = language == u"en" ? "FixedCaption" : "HelpMenu";
        QTEST(translator.translate(context, source.toUtf8().constData()), "expected");
    }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
