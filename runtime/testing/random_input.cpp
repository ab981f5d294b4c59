// The start of a program's random-input twin: a random user instead of a
// person, linked instead of the desktop start (forms/application.h).
//
// Thousands of random clicks, double clicks, keys, typed texts, pastes, wheel
// steps, mouse moves, drags and window closes reach the program's windows
// through the toolkit. Message boxes and dialogs are answered at random by a
// scripted stand-in, and End starts the program afresh instead of ending it.
// The seed, the number of events and a time limit come from RT_RANDOM_SEED,
// RT_RANDOM_EVENTS and RT_RANDOM_SECONDS. The program returns 0 unless an
// error that is not a runtime error reached a handler's boundary; a crash or
// a sanitizer report ends the process itself.
#include "forms/application.h"

#include "testing/scripted_interaction.h"

#include "events/handlers.h"
#include "forms/accessibility/accessible.h"
#include "forms/core/forms.h"
#include "forms/core/look.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <cstdio>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace rt::testing {

namespace {

qint64 setting(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

class Dice {
public:
    explicit Dice(uint64_t seed) : m_engine(seed) {}
    // A whole number from `low` to `high`, both included.
    int between(int low, int high) { return std::uniform_int_distribution(low, high)(m_engine); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_engine); }
    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[size_t(between(0, int(items.size()) - 1))];
    }
    QPoint pointIn(const QRect& r)
    {
        return {between(r.left(), std::max(r.left(), r.right())),
                between(r.top(), std::max(r.top(), r.bottom()))};
    }

private:
    std::mt19937_64 m_engine;
};

// Texts a user might type or paste: numbers at and beyond the ranges of the
// value types, odd characters, long runs, and random mixtures.
QString randomText(Dice& dice)
{
    static const std::vector<QString> tokens = {
        "0",         "-0",  "1",     "-1",     "32767",      "-32768",
        "32768",     "1e3", "1e400", "-1e400", "2147483648", "1.79769313486232E+308",
        ".5",        "-.",  "1,5",   "NaN",    "abc",        "ñandú €",
        "\u2028",    "\t",  " ",     "x\ny",   "9999999999", "4.9E-324",
        "\U0001F600"};
    static const QString alphabet = QStringLiteral("0123456789.-+eE ,abcXYZ\u00f1\u00e9\u20ac");
    if (dice.chance(0.5)) return dice.pick(tokens);
    QString text;
    const int length = dice.chance(0.1) ? dice.between(20, 60) : dice.between(1, 8);
    for (int i = 0; i < length; ++i) text += alphabet[dice.between(0, int(alphabet.size()) - 1)];
    return text;
}

// Stands in for the user at message boxes and dialogs: answers each with one
// of the answers its buttons allow, picks files in a folder of its own (some
// missing), fonts and colours, or cancels.
class RandomUser : public ScriptedInteraction {
public:
    explicit RandomUser(Dice& dice) : m_dice(dice)
    {
        for (const char* name : {"a.txt", "b.txt"}) {
            QFile file(m_folder.filePath(QString::fromLatin1(name)));
            if (file.open(QIODevice::WriteOnly)) file.write("uno\r\ndos\r\n");
        }
        // A data dump: one line longer than a text box shows whole.
        QFile dump(m_folder.filePath(QStringLiteral("long.txt")));
        if (dump.open(QIODevice::WriteOnly)) dump.write(QByteArray("uno,2.5;").repeated(3000));
    }

    int messageBox(const QString& prompt, int style, const QString& title) override
    {
        static const std::map<int, std::vector<int>> answersOf = {
            {vbOKOnly, {vbOK}},       {vbOKCancel, {vbOK, vbCancel}},
            {2, {3, 4, 5}},           {vbYesNoCancel, {vbYes, vbNo, vbCancel}},
            {vbYesNo, {vbYes, vbNo}}, {5, {4, vbCancel}}};
        const auto found = answersOf.find(style & 7);
        answer({found == answersOf.end() ? vbOK : m_dice.pick(found->second)});
        noteRuntimeError(prompt);
        return ScriptedInteraction::messageBox(prompt, style, title);
    }

    std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest& request) override
    {
        static const std::vector<QString> names = {"a.txt",   "b.txt",         "long.txt",
                                                   "new.txt", "missing/c.txt", "."};
        if (m_dice.chance(0.3))
            cancelFileDialog();
        else
            chooseFile(m_folder.filePath(m_dice.pick(names)), m_dice.between(1, 2));
        return ScriptedInteraction::fileDialog(request);
    }

    std::optional<FontChoice> fontDialog(const FontChoice& initial, int32_t flags) override
    {
        if (m_dice.chance(0.3)) {
            cancelFontDialog();
        } else {
            static const std::vector<QString> faces = {"Monospace", "Serif (Times style)",
                                                       "Sans Serif", "NoSuchFace"};
            chooseFont({m_dice.pick(faces), double(m_dice.between(1, 72)), m_dice.chance(0.5),
                        m_dice.chance(0.5), m_dice.chance(0.5), m_dice.chance(0.5),
                        m_dice.between(0, 0xFFFFFF)});
        }
        return ScriptedInteraction::fontDialog(initial, flags);
    }

    std::optional<Colour> colorDialog(Colour initial, int32_t flags) override
    {
        if (m_dice.chance(0.3))
            cancelColorDialog();
        else
            chooseColor(m_dice.between(0, 0xFFFFFF));
        return ScriptedInteraction::colorDialog(initial, flags);
    }

    // Runtime errors reported at a handler's boundary, by number.
    std::map<int, int> runtimeErrors;

private:
    void noteRuntimeError(const QString& prompt)
    {
        static const QString lead = QStringLiteral("Run-time error '");
        if (!prompt.startsWith(lead)) return;
        const int number = prompt.mid(lead.size()).section(QLatin1Char('\''), 0, 0).toInt();
        ++runtimeErrors[number];
        if (number == 51) std::fprintf(stderr, "%s\n", qPrintable(prompt));
    }

    Dice& m_dice;
    QTemporaryDir m_folder;
};

class RandomDriver {
public:
    RandomDriver(Dice& dice, RandomUser& user, std::function<void()> showStartup)
        : m_dice(dice), m_user(user), m_showStartup(std::move(showStartup))
    {
    }

    // One user action on the window that takes input now.
    void act()
    {
        restartAfterEnd();
        QWidget* window = inputWindow();
        if (!window) return;
        const int roll = m_dice.between(1, 100);
        if (roll <= 25)
            click(window, Qt::LeftButton);
        else if (roll <= 30)
            doubleClick(window);
        else if (roll <= 32)
            click(window, Qt::RightButton);
        else if (roll <= 52)
            pressKey(window);
        else if (roll <= 67)
            typeText(window, randomText(m_dice));
        else if (roll <= 71)
            paste(window);
        else if (roll <= 77)
            wheel(window);
        else if (roll <= 85)
            moveMouse(window);
        else if (roll <= 94)
            drag(window);
        else if (roll <= 98)
            QTest::qWait(m_dice.between(5, 30));  // lets the timers tick
        else if (roll <= 99)
            resizeOrClose(window);
        else
            window->activateWindow();
        ++events;
    }

    int events = 0;

private:
    // End and the closing of the last window end a real program; here the
    // program starts afresh, once no nested event loop is running.
    void restartAfterEnd()
    {
        if (QThread::currentThread()->loopLevel() != 1) return;
        const bool ended = m_user.ends != m_seenEnds;
        m_seenEnds = m_user.ends;
        if (ended) unloadAllForms();
        if (ended || !anyWindow()) m_showStartup();
    }

    static bool anyWindow()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip))
                return true;
        return false;
    }

    QWidget* inputWindow()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        std::vector<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::ToolTip) windows.push_back(w);
        return windows.empty() ? nullptr : m_dice.pick(windows);
    }

    QWidget* widgetIn(QWidget* window)
    {
        std::vector<QWidget*> candidates{window};
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisibleTo(window) && w->isEnabled() && !w->rect().isEmpty())
                candidates.push_back(w);
        return m_dice.pick(candidates);
    }

    static QWidget* keyTarget(QWidget* window)
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && focus->window() == window ? focus : window;
    }

    Qt::KeyboardModifiers modifiers()
    {
        static const std::vector<Qt::KeyboardModifiers> choices = {
            Qt::NoModifier,    Qt::NoModifier,
            Qt::NoModifier,    Qt::NoModifier,
            Qt::ShiftModifier, Qt::ControlModifier,
            Qt::AltModifier,   Qt::ControlModifier | Qt::ShiftModifier};
        return m_dice.pick(choices);
    }

    void click(QWidget* window, Qt::MouseButton button)
    {
        QWidget* w = widgetIn(window);
        clickAt(w, button, modifiers(), m_dice.pointIn(w->rect()));
    }

    // A press and a release; the release only when the press left the widget
    // alive (a handler may close its window).
    static void clickAt(QPointer<QWidget> w, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers, QPoint at)
    {
        QTest::mousePress(w, button, modifiers, at);
        if (w) QTest::mouseRelease(w, button, modifiers, at);
    }

    static void keyClick(QPointer<QWidget> w, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyPress(w, key, modifiers);
        if (w) QTest::keyRelease(w, key, modifiers);
    }

    void doubleClick(QWidget* window)
    {
        QPointer<QWidget> w = widgetIn(window);
        const QPoint at = m_dice.pointIn(w->rect());
        clickAt(w, Qt::LeftButton, {}, at);
        if (w) QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    }

    void pressKey(QWidget* window)
    {
        static const std::vector<Qt::Key> keys = {
            Qt::Key_Return,   Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,       Qt::Key_Backtab,
            Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,      Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,    Qt::Key_Backspace, Qt::Key_Delete,
            Qt::Key_Space,    Qt::Key_Insert, Qt::Key_F1,     Qt::Key_F3,        Qt::Key_A,
            Qt::Key_C,        Qt::Key_V,      Qt::Key_X,      Qt::Key_Z,         Qt::Key_S,
            Qt::Key_O,        Qt::Key_N,      Qt::Key_F,      Qt::Key_0,         Qt::Key_5,
            Qt::Key_Period,   Qt::Key_Minus,  Qt::Key_Plus,   Qt::Key_Menu};
        keyClick(keyTarget(window), m_dice.pick(keys), modifiers());
    }

    void typeText(QWidget* window, const QString& text)
    {
        QPointer<QWidget> target = keyTarget(window);
        for (const QChar ch : text) {
            if (!target) return;
            const int key = ch.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &press);
            if (!target) return;
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &release);
        }
    }

    void paste(QWidget* window)
    {
        auto* data = new QMimeData;
        switch (m_dice.between(0, 4)) {
            case 0: break;  // an empty clipboard
            case 1: data->setData(QStringLiteral("image/png"), "\x89PNG"); break;
            case 2: data->setText(randomText(m_dice)); break;
            case 3:
                data->setText(QStringLiteral("uno,2.5;").repeated(m_dice.between(1, 3000)));
                break;
            default:
                data->setText(QStringLiteral("uno 2.5 tres\n").repeated(m_dice.between(1, 2000)));
        }
        QApplication::clipboard()->setMimeData(data);
        if (m_dice.chance(0.5))
            keyClick(keyTarget(window), Qt::Key_V, Qt::ControlModifier);
        else
            keyClick(keyTarget(window), Qt::Key_Insert, Qt::ShiftModifier);
    }

    void wheel(QWidget* window)
    {
        QWidget* w = widgetIn(window);
        const QPoint at = m_dice.pointIn(w->rect());
        const QPoint angle(0, m_dice.chance(0.5) ? 120 : -120);
        QWheelEvent event(at, w->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers(),
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &event);
    }

    void moveMouse(QWidget* window)
    {
        QWidget* w = widgetIn(window);
        QTest::mouseMove(w, m_dice.pointIn(w->rect()));
    }

    void drag(QWidget* window)
    {
        QPointer<QWidget> w = widgetIn(window);
        const Qt::MouseButton button = m_dice.chance(0.8) ? Qt::LeftButton : Qt::RightButton;
        QTest::mousePress(w, button, {}, m_dice.pointIn(w->rect()));
        QPoint at;
        for (int steps = m_dice.between(1, 6); steps > 0 && w; --steps) {
            at = m_dice.pointIn(w->rect().adjusted(-20, -20, 20, 20));
            QTest::mouseMove(w, at);
        }
        if (w) QTest::mouseRelease(w, button, {}, at);
    }

    void resizeOrClose(QWidget* window)
    {
        if (window->windowType() == Qt::Popup) {
            window->close();
        } else if (window->minimumSize() != window->maximumSize() && m_dice.chance(0.7)) {
            window->resize(m_dice.between(120, 1200), m_dice.between(90, 850));
        } else {
            window->close();
        }
    }

    Dice& m_dice;
    RandomUser& m_user;
    std::function<void()> m_showStartup;
    int m_seenEnds = 0;
};

}  // namespace

int runUnderRandomUser(int argc, char** argv, const QString& title,
                       const std::function<void()>& showStartup)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(title);
    QApplication::setQuitOnLastWindowClosed(false);
    setProgramTitle(title);
    initialiseLook();
    installAccessibleControls();

    const auto seed = uint64_t(setting("RT_RANDOM_SEED", 1));
    const qint64 maxEvents = setting("RT_RANDOM_EVENTS", 3000);
    const qint64 maxMilliseconds = setting("RT_RANDOM_SECONDS", 60) * 1000;
    Dice dice(seed);
    RandomUser user(dice);
    RandomDriver driver(dice, user, showStartup);

    QElapsedTimer clock;
    clock.start();
    const auto finished = [&] {
        return driver.events >= maxEvents || clock.elapsed() >= maxMilliseconds;
    };
    QTimer pacer;
    // The next action starts when the previous one has ended, or inside an
    // event loop the previous one opened (a modal window, a context menu);
    // never from the event processing within a simulated click or wait.
    int busyLevel = -1;
    QObject::connect(&pacer, &QTimer::timeout, [&] {
        const int level = QThread::currentThread()->loopLevel();
        if (busyLevel >= level) return;
        if (finished()) {
            QCoreApplication::exit(0);  // leaves nested event loops too
            return;
        }
        const int outer = std::exchange(busyLevel, level);
        driver.act();
        busyLevel = outer;
    });
    showStartup();
    pacer.start(0);
    // Closing the last window quits the event loop; the driver starts the
    // program again until it has delivered all its events.
    while (!finished()) QApplication::exec();
    pacer.stop();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    unloadAllForms();

    int internalErrors = 0;
    QString reported;
    for (const auto& [number, count] : user.runtimeErrors) {
        reported += QStringLiteral(" %1x%2").arg(number).arg(count);
        if (number == 51) internalErrors += count;
    }
    std::printf(
        "%s: %d random events in %.1f s (seed %llu), %zu message boxes, %d ends, "
        "runtime errors reported:%s\n",
        qPrintable(title), driver.events, clock.elapsed() / 1000.0,
        static_cast<unsigned long long>(seed), user.shown.size(), user.ends,
        reported.isEmpty() ? " none" : qPrintable(reported));
    return internalErrors == 0 ? 0 : 1;
}

}  // namespace rt::testing

int rt::detail::startProgram(int argc, char** argv, const QString& title,
                             const std::function<QWidget*()>& showStartup)
{
    return rt::testing::runUnderRandomUser(argc, argv, title, [&] { showStartup(); });
}
