// The gallery in the learner's language: under a Spanish locale every text a
// visible widget shows or gives to a screen reader is Spanish, lessons and
// trace included; under any other it is English. Also what the desktop and a
// screen reader see of the window: a frame, and each program's own icon.
#include "language.h"
#include "gallery_window.h"
#include "trace_view.h"

#include "trace/record.h"
#include "trace/trace_log.h"

#include "forms/desktop/program_icon.h"
#include "testing/qt_printing.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Message {
    QString source;
    QString translation;
};

// The translated messages of the gallery's translation files.
std::vector<Message> spanishMessages()
{
    std::vector<Message> messages;
    for (const char* path : {RT_SOURCE_ROOT "/gallery/translations/gallery_es.ts", RT_LESSONS_TS}) {
        QFile file(QString::fromUtf8(path));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        QXmlStreamReader xml(&file);
        Message message;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (!xml.isStartElement()) continue;
            if (xml.name() == QStringLiteral("source")) message.source = xml.readElementText();
            if (xml.name() == QStringLiteral("translation")) {
                message.translation = xml.readElementText();
                if (message.translation != message.source) messages.push_back(message);
            }
        }
    }
    return messages;
}

// A message as a pattern for the whole of a shown text: %1, %2... stand for
// any text, and access-letter ampersands are not shown.
QRegularExpression patternOf(QString text)
{
    text.remove(u'&');
    QString pattern = QRegularExpression::escape(text);
    pattern.replace(QRegularExpression(QStringLiteral(R"(\\%\d)")), QStringLiteral(".+"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// The trace's own words in an entry, without the program's code it quotes
// (`cmdStart_Click`, `Timer1.Enabled = True`), which no language changes.
QStringList wordsOfTraceEntry(const QModelIndex& entry)
{
    QStringList words{entry.data(Qt::AccessibleDescriptionRole).toString()};
    const QString shown = entry.data().toString().trimmed();
    const auto kind = rt::TraceLog::Kind(entry.data(rt::TraceLog::KindRole).toInt());
    if (kind == rt::TraceLog::Kind::Note)
        words << shown;
    else if (shown.contains(QStringLiteral(" — ")))
        words << shown.section(QStringLiteral(" — "), 1);
    else if (shown.endsWith(u')') && shown.contains(u'('))
        words << shown.mid(shown.lastIndexOf(u'('));  // "(2 times)"
    return words;
}

// Every text the window shows or gives to a screen reader, but the source
// code and file names it displays.
QStringList textsOf(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        texts << w->accessibleName() << w->accessibleDescription() << w->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (const auto* tree = qobject_cast<const QTreeWidget*>(w))
            for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
                texts << (*it)->text(0) << (*it)->toolTip(0);
        if (const auto* list = qobject_cast<const QListView*>(w);
            list && w->objectName() == QStringLiteral("trace"))
            for (int row = 0; row < list->model()->rowCount(); ++row)
                texts << wordsOfTraceEntry(list->model()->index(row, 0));
    }
    QStringList shown;
    for (const QString& text : texts)
        if (!text.trimmed().isEmpty()) shown << text.trimmed().remove(u'&');
    return shown;
}

// The texts shown while each program in turn is selected, with a few lines
// of its event trace.
QStringList textsOfEveryLesson(GalleryWindow& window)
{
    using rt::RecordType;
    const QStringList click{"Form1", "cmdStart", "-1", "Click", "0"};
    const QStringList tick{"Form1", "Timer1", "-1", "Timer", "0"};
    for (const rt::Record& record : std::initializer_list<rt::Record>{
             {RecordType::Hello, 0, {"2", "tankfill_a"}},
             {RecordType::Begin, 0, click},
             {RecordType::Message, 1, {"4", "Continue?"}},
             {RecordType::Answer, 1, {"6"}},
             {RecordType::Error, 1, QStringList{"11", "Division by zero"} + click},
             {RecordType::End, 0, {}},
             {RecordType::Begin, 0, tick},
             {RecordType::End, 0, {}},
             {RecordType::Begin, 0, tick},
             {RecordType::End, 0, {}},
             {RecordType::Waiting, 0, click},
         })
        window.trace()->addLine(1, rt::encode(record));
    QStringList texts;
    for (const CatalogueEntry& entry : catalogue()) {
        window.selectProgram(QString::fromUtf8(entry.program));
        texts << textsOf(window);
    }
    texts.removeDuplicates();
    return texts;
}

// The gallery's translations for one language, installed while it lives.
class Speaking {
public:
    explicit Speaking(const QLocale& locale) : m_installed(installTranslations(locale)) {}
    ~Speaking()
    {
        for (QTranslator* translator : m_installed) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    size_t count() const { return m_installed.size(); }

private:
    std::vector<QTranslator*> m_installed;
};

bool launchNothing(const QString&, const QString&)
{
    return true;
}

}  // namespace

TEST(Language, SpanishDesktopGetsEveryTextOfTheGalleryInSpanish)
{
    const std::vector<Message> messages = spanishMessages();
    // Groups, and each program's name, summary and lesson, besides the
    // gallery's own texts.
    ASSERT_GT(messages.size(), 3 * catalogue().size());

    QStringList english;
    {
        GalleryWindow window(catalogue(), launchNothing);
        window.show();
        english = textsOfEveryLesson(window);
    }
    const Speaking spanish(QLocale(QLocale::Spanish, QLocale::Spain));
    ASSERT_GE(spanish.count(), 2u);
    GalleryWindow window(catalogue(), launchNothing);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Programas que enseñan la programación por eventos");
    EXPECT_EQ(window.openButton()->text(), "&Abrir");
    window.selectProgram("tankfill_a");
    EXPECT_TRUE(window.lesson()->text().startsWith("Un depósito se llena"))
        << window.lesson()->text().toStdString();
    EXPECT_FALSE(
        window.programs()->findItems("Temporizadores y animación", Qt::MatchExactly).isEmpty());

    for (const QString& text : textsOfEveryLesson(window)) {
        for (const Message& message : messages)
            EXPECT_FALSE(patternOf(message.source).match(text).hasMatch())
                << "left in English: " << text.toStdString();
        // Also catches a text the sources never marked for translation.
        EXPECT_FALSE(english.contains(text)) << "the same in English: " << text.toStdString();
    }
}

TEST(Language, AnyOtherDesktopGetsTheGalleryInEnglish)
{
    const std::vector<Message> messages = spanishMessages();
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
        SCOPED_TRACE(locale.name().toStdString());
        const Speaking other(locale);
        GalleryWindow window(catalogue(), launchNothing);
        window.show();
        EXPECT_EQ(window.windowTitle(), "Programs that teach event-driven programming");
        window.selectProgram("tankfill_a");
        EXPECT_TRUE(window.lesson()->text().startsWith("A tank fills"))
            << window.lesson()->text().toStdString();

        for (const QString& text : textsOfEveryLesson(window))
            for (const Message& message : messages)
                EXPECT_FALSE(patternOf(message.translation).match(text).hasMatch())
                    << "Spanish under " << locale.name().toStdString() << ": "
                    << text.toStdString();
    }
}

TEST(Language, AccessLettersStayDistinctInSpanish)
{
    const Speaking spanish(QLocale(QLocale::Spanish, QLocale::Spain));
    GalleryWindow window(catalogue(), launchNothing);
    QStringList texts;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    QStringList letters;
    for (const QString& text : texts)
        if (const qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size())
            letters << text.mid(at + 1, 1).toLower();
    EXPECT_GE(letters.size(), 7);
    const QStringList all = letters;
    letters.removeDuplicates();
    EXPECT_EQ(letters, all);
}

TEST(Desktop, GalleryWindowReadsAsAFrameAndWearsItsIcon)
{
    GalleryWindow window(catalogue(), launchNothing);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&window);
    ASSERT_TRUE(access);
    EXPECT_EQ(access->role(), QAccessible::Window);  // AT-SPI's frame
    const QList<QSize> sizes = rt::programIcon().availableSizes();
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// The icon's picture at 32 pixels, to compare icons by.
QByteArray pixelsOf(const QIcon& icon)
{
    const QImage image = icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
    return image.size() == QSize(32, 32)
               ? QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())
               : QByteArray();
}

TEST(Desktop, EveryProgramInTheListWearsAnIconOfItsOwn)
{
    GalleryWindow window(catalogue(), launchNothing);
    QSet<QByteArray> seen{pixelsOf(rt::programIcon())};
    int programs = 0;
    for (QTreeWidgetItemIterator it(window.programs()); *it; ++it) {
        if (!((*it)->flags() & Qt::ItemIsSelectable)) continue;  // a group heading
        SCOPED_TRACE((*it)->text(0).toStdString());
        const QIcon icon = (*it)->icon(0);
        EXPECT_EQ(icon.availableSizes().size(), 7);
        const QByteArray pixels = pixelsOf(icon);
        ASSERT_FALSE(pixels.isEmpty());
        EXPECT_FALSE(seen.contains(pixels)) << "shares its icon";
        seen.insert(pixels);
        ++programs;
    }
    EXPECT_EQ(programs, int(catalogue().size()));
}
