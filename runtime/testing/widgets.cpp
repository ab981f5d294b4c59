#include "testing/widgets.h"

#include "forms/runtime.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>

namespace rt::testing {

QString captionOf(const Control& control)
{
    const auto* captioned = dynamic_cast<const CaptionedControl*>(&control);
    return captioned ? captioned->Caption() : QString();
}

QImage grabPixels(const Control& control)
{
    return control.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage grabInner(const PictureBox& box)
{
    return box.childArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

double shareOf(const QImage& image, const QRect& area, QColor colour)
{
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty()) return 0;
    int matching = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (QColor(image.pixel(x, y)).rgb() == colour.rgb()) ++matching;
    return double(matching) / (r.width() * r.height());
}

QRect extentOf(const QImage& image, QColor colour, const QRect& area)
{
    const QRect r = area.isEmpty() ? image.rect() : area.intersected(image.rect());
    QRect extent;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (QColor(image.pixel(x, y)).rgb() == colour.rgb()) extent |= QRect(x, y, 1, 1);
    return extent;
}

namespace {
QWidget* target(const Control& control)
{
    if (auto* box = dynamic_cast<const PictureBox*>(&control)) return box->childArea();
    return control.widget();
}
}  // namespace

void click(const Control& control)
{
    QWidget* w = target(control);
    QPoint at = w->rect().center();
    if (qobject_cast<QAbstractButton*>(w)) at = QPoint(8, w->height() / 2);  // on the indicator
    if (qobject_cast<QPushButton*>(w)) at = w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

void typeText(const Control& control, const QString& text)
{
    QTest::keyClicks(target(control), text);
}

void pressKey(const Control& control, int qtKey, const QString& text)
{
    QWidget* w = target(control);
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void typeAndEnter(const Control& control, const QString& text)
{
    typeText(control, text);
    pressKey(control, Qt::Key_Return, QStringLiteral("\r"));
}

void step(ScrollBar& bar, BarPart part)
{
    static const QAbstractSlider::SliderAction actions[] = {
        QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderSingleStepAdd,
        QAbstractSlider::SliderPageStepSub, QAbstractSlider::SliderPageStepAdd};
    bar.scrollBar()->triggerAction(actions[int(part)]);
}

void dragThumbTo(ScrollBar& bar, int value)
{
    QScrollBar* qt = bar.scrollBar();
    const int position = std::abs(value - int(bar.Min()));
    qt->setSliderDown(true);
    qt->setSliderPosition(position);
    qt->setSliderDown(false);
}

void clickItem(const ListBox& list, int row, Qt::KeyboardModifiers modifiers)
{
    QListWidget* qt = list.listWidget();
    qt->scrollToItem(qt->item(row));
    QTest::mouseClick(qt->viewport(), Qt::LeftButton, modifiers,
                      qt->visualItemRect(qt->item(row)).center());
}

QStringList items(const ListBox& list)
{
    QStringList texts;
    for (int i = 0; i < list.ListCount(); ++i) texts << list.List(i);
    return texts;
}

QList<int> selectedRows(const ListBox& list)
{
    QList<int> rows;
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.Selected(i)) rows << i;
    return rows;
}

void choose(const Menu& item)
{
    if (item.Enabled()) item.action()->trigger();
}

void dragTo(const Control& source, const Control* onto, QPoint at)
{
    QWidget* from = source.widget();
    QWidget* to = onto ? target(*onto) : source.form().childArea();
    const QPoint release = from->mapFrom(from->window(), to->mapTo(from->window(), at));
    QTest::mousePress(from, Qt::LeftButton, Qt::NoModifier, from->rect().center());
    QTest::mouseMove(from, release);
    QTest::mouseRelease(from, Qt::LeftButton, Qt::NoModifier, release);
}

void closeWindow(Form& form)
{
    form.window()->close();
}

QStringList captionsThatDoNotFit(const Form& form)
{
    QStringList problems;
    for (const Control* c : form.controls()) {
        QWidget* w = c->widget();
        const QString caption = captionOf(*c);
        if (!w || caption.isEmpty()) continue;
        QString shown = caption;
        shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        const QFontMetrics metrics(w->font());
        int needed = metrics.horizontalAdvance(shown);
        int available = w->width();
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The style draws the caption centred in the button's contents
            // rectangle, inside its frame.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            available =
                w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w).width();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            const bool radio = qobject_cast<const QRadioButton*>(b) != nullptr;
            needed += w->style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                    : QStyle::PM_IndicatorWidth) +
                      w->style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                    : QStyle::PM_CheckBoxLabelSpacing);
        } else if (qobject_cast<QGroupBox*>(w)) {
            needed += 12;
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            // A label wraps; its text must fit in its height once wrapped.
            const QRect box = label->contentsRect();
            const QRect used = metrics.boundingRect(box, Qt::TextWordWrap, shown);
            if (used.height() > box.height() || used.width() > box.width())
                problems << QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
                                .arg(c->name(), caption)
                                .arg(used.width())
                                .arg(used.height())
                                .arg(box.width())
                                .arg(box.height());
            continue;
        }
        if (needed > available || metrics.height() > w->height())
            problems << QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
                            .arg(c->name(), caption)
                            .arg(needed)
                            .arg(metrics.height())
                            .arg(available)
                            .arg(w->height());
    }
    return problems;
}

}  // namespace rt::testing
