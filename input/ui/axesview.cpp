// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ui/axesview.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

// The texts keep the window's translation context: they are the window's
// own texts, only painted here.
QString valueText(int value, int percent)
{
    return QCoreApplication::translate("WheelTestWindow", "%1 (%2 %)").arg(value).arg(percent);
}

QString kernelText(int fuzz, int flat)
{
    return QCoreApplication::translate("WheelTestWindow", "fuzz %1, flat %2").arg(fuzz).arg(flat);
}

int gap(const QFontMetrics &metrics)
{
    return metrics.horizontalAdvance(QLatin1Char('M'));
}

constexpr int kMinimumBar = 60;
constexpr int kPreferredBar = 160;

// One row for screen readers: a progress bar named after the axis, whose
// value is the text the row shows and whose description is the kernel's
// fuzz and flat.
class AxisRowAccessible : public QAccessibleInterface, public QAccessibleValueInterface
{
public:
    AxisRowAccessible(AxesView *owner, int index) : view(owner), row(index) {}

    bool isValid() const override { return view && row < view->rowCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return view ? view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ProgressBar; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return view->rowName(row);
        case QAccessible::Value:
            return view->rowValueText(row);
        case QAccessible::Description:
            return view->rowKernelText(row);
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = view->rowRect(row);
        return {view->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.readOnly = true;
        s.focused = isValid() && view->hasFocus() && view->currentRow() == row;
        s.invisible = !isValid() || !view->isVisible();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
    }

    QVariant currentValue() const override { return isValid() ? view->rowPercent(row) : 0; }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    QPointer<AxesView> view;
    int row;
};

class AxesViewAccessible : public QAccessibleWidget
{
public:
    explicit AxesViewAccessible(AxesView *view) : QAccessibleWidget(view, QAccessible::Grouping) {}

    ~AxesViewAccessible() override
    {
        for (QAccessible::Id id : childIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return axes()->rowCount(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Rows are known by their index; each keeps one registered interface.
        while (childIds.size() <= static_cast<std::size_t>(index)) {
            auto *row = new AxisRowAccessible(axes(), static_cast<int>(childIds.size()));
            childIds.push_back(QAccessible::registerAccessibleInterface(row));
        }
        return QAccessible::accessibleInterface(childIds[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (std::size_t i = 0; i < childIds.size() && static_cast<int>(i) < childCount(); ++i)
            if (QAccessible::accessibleInterface(childIds[i]) == child)
                return static_cast<int>(i);
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint local = axes()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (axes()->rowRect(i).contains(local))
                return child(i);
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return axes()->hasFocus() ? child(axes()->currentRow()) : nullptr;
    }

private:
    AxesView *axes() const { return static_cast<AxesView *>(widget()); }
    mutable std::vector<QAccessible::Id> childIds;
};

QAccessibleInterface *axesViewFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("AxesView") && object && object->isWidgetType())
        return new AxesViewAccessible(static_cast<AxesView *>(object));
    return nullptr;
}

} // namespace

AxesView::AxesView(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(axesViewFactory), true);
    Q_UNUSED(factoryInstalled)
    // Every pixel is painted here: a row's repaint touches nothing behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    measure();
}

void AxesView::setAxes(const std::vector<AxisState> &axes)
{
    const bool sameAxes = axes.size() == rows.size() &&
                          std::equal(axes.begin(), axes.end(), rows.begin(),
                                     [](const AxisState &axis, const Row &row) { return axis.code == row.code; });
    if (!sameAxes) {
        rows.clear();
        for (const AxisState &axis : axes) {
            Row row;
            row.code = axis.code;
            row.name = axisName(axis.code);
            row.value = axis.value;
            row.percent = axisPercent(axis);
            row.fuzz = axis.fuzz;
            row.flat = axis.flat;
            row.valueText = valueText(row.value, row.percent);
            row.kernelText = kernelText(row.fuzz, row.flat);
            rows.push_back(row);
        }
        current = std::min(current, std::max(0, rowCount() - 1));
        measure();
        updateGeometry();
        update();
        if (QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&event);
        }
        return;
    }
    bool widthChanged = false;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const AxisState &axis = axes[i];
        Row &row = rows[i];
        const int index = static_cast<int>(i);
        if (axis.value != row.value) {
            row.value = axis.value;
            row.percent = axisPercent(axis);
            row.valueText = valueText(row.value, row.percent);
            update(barRect(index).united(valueRect(index)));
            if (QAccessible::isActive()) {
                if (QAccessibleInterface *face = QAccessible::queryAccessibleInterface(this)) {
                    QAccessibleValueChangeEvent event(face->child(index), row.percent);
                    QAccessible::updateAccessibility(&event);
                }
            }
        }
        if (axis.fuzz != row.fuzz || axis.flat != row.flat) {
            row.fuzz = axis.fuzz;
            row.flat = axis.flat;
            row.kernelText = kernelText(row.fuzz, row.flat);
            widthChanged = widthChanged || fontMetrics().horizontalAdvance(row.kernelText) > kernelWidth;
            update(kernelRect(index));
        }
    }
    if (widthChanged) {
        measure();
        updateGeometry();
        update();
    }
}

int AxesView::rowCount() const
{
    return static_cast<int>(rows.size());
}

QString AxesView::rowName(int row) const
{
    return row >= 0 && row < rowCount() ? rows[static_cast<std::size_t>(row)].name : QString();
}

QString AxesView::rowValueText(int row) const
{
    return row >= 0 && row < rowCount() ? rows[static_cast<std::size_t>(row)].valueText : QString();
}

QString AxesView::rowKernelText(int row) const
{
    return row >= 0 && row < rowCount() ? rows[static_cast<std::size_t>(row)].kernelText : QString();
}

int AxesView::rowPercent(int row) const
{
    return row >= 0 && row < rowCount() ? rows[static_cast<std::size_t>(row)].percent : 0;
}

int AxesView::currentRow() const
{
    return current;
}

void AxesView::measure()
{
    const QFontMetrics metrics = fontMetrics();
    rowHeight = std::max(metrics.height() + 8, 20);
    nameWidth = 0;
    kernelWidth = 0;
    for (const Row &row : rows) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(row.name));
        kernelWidth = std::max(kernelWidth, metrics.horizontalAdvance(row.kernelText));
    }
    // The widest value an axis can show keeps the bars from moving.
    valueWidth = metrics.horizontalAdvance(valueText(-1000000, 100)) + gap(metrics) / 2;
}

int AxesView::barLeft() const
{
    return nameWidth + gap(fontMetrics());
}

int AxesView::valueLeft() const
{
    return std::max(barLeft() + kMinimumBar + gap(fontMetrics()), kernelLeft() - gap(fontMetrics()) - valueWidth);
}

int AxesView::kernelLeft() const
{
    return width() - kernelWidth;
}

QRect AxesView::rowRect(int row) const
{
    return {0, row * rowHeight, width(), rowHeight};
}

QRect AxesView::barRect(int row) const
{
    const int left = barLeft();
    return QStyle::visualRect(layoutDirection(), rect(),
                              QRect(left, row * rowHeight + 3, valueLeft() - gap(fontMetrics()) - left, rowHeight - 6));
}

QRect AxesView::valueRect(int row) const
{
    return QStyle::visualRect(layoutDirection(), rect(), QRect(valueLeft(), row * rowHeight, valueWidth, rowHeight));
}

QRect AxesView::kernelRect(int row) const
{
    return QStyle::visualRect(layoutDirection(), rect(),
                              QRect(kernelLeft(), row * rowHeight, kernelWidth, rowHeight));
}

QSize AxesView::sizeHint() const
{
    const int spacing = gap(fontMetrics());
    return {nameWidth + kPreferredBar + valueWidth + kernelWidth + 3 * spacing, rowCount() * rowHeight};
}

QSize AxesView::minimumSizeHint() const
{
    const int spacing = gap(fontMetrics());
    return {nameWidth + kMinimumBar + valueWidth + kernelWidth + 3 * spacing, rowCount() * rowHeight};
}

void AxesView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    const int textAlign = Qt::AlignVCenter | Qt::AlignLeading | Qt::TextSingleLine;
    for (int i = 0; i < rowCount(); ++i) {
        if (!event->region().intersects(rowRect(i)))
            continue;
        const Row &row = rows[static_cast<std::size_t>(i)];
        painter.setPen(colours.color(QPalette::WindowText));
        const QRect name = QStyle::visualRect(layoutDirection(), rect(), QRect(0, i * rowHeight, nameWidth, rowHeight));
        if (event->region().intersects(name))
            painter.drawText(name, textAlign, row.name);
        const QRect value = valueRect(i);
        if (event->region().intersects(value))
            painter.drawText(value, textAlign, row.valueText);
        const QRect kernel = kernelRect(i);
        if (event->region().intersects(kernel))
            painter.drawText(kernel, textAlign, row.kernelText);
        const QRect bar = barRect(i);
        if (event->region().intersects(bar) && bar.width() > 2) {
            // Flat fills: no gradient to compute on every frame.
            painter.fillRect(bar, colours.color(QPalette::Mid));
            const QRect inside = bar.adjusted(1, 1, -1, -1);
            painter.fillRect(inside, colours.color(QPalette::Base));
            const int filled = inside.width() * row.percent / 100;
            QRect done(inside.left(), inside.top(), filled, inside.height());
            painter.fillRect(QStyle::visualRect(layoutDirection(), inside, done), colours.color(QPalette::Highlight));
        }
    }
    if (hasFocus() && current < rowCount()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rowRect(current);
        option.backgroundColor = colours.color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void AxesView::setCurrentRow(int row)
{
    row = std::clamp(row, 0, std::max(0, rowCount() - 1));
    if (row == current)
        return;
    update(rowRect(current));
    current = row;
    update(rowRect(current));
    announceFocus();
}

void AxesView::announceFocus()
{
    if (!QAccessible::isActive() || current >= rowCount())
        return;
    if (QAccessibleInterface *face = QAccessible::queryAccessibleInterface(this)) {
        QAccessibleEvent event(face->child(current), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void AxesView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrentRow(current - 1);
        break;
    case Qt::Key_Down:
        setCurrentRow(current + 1);
        break;
    case Qt::Key_Home:
        setCurrentRow(0);
        break;
    case Qt::Key_End:
        setCurrentRow(rowCount() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void AxesView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (current < rowCount())
        update(rowRect(current));
    announceFocus();
}

void AxesView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (current < rowCount())
        update(rowRect(current));
}

void AxesView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange ||
        event->type() == QEvent::StyleChange) {
        for (Row &row : rows) {
            row.name = axisName(row.code);
            row.valueText = valueText(row.value, row.percent);
            row.kernelText = kernelText(row.fuzz, row.flat);
        }
        measure();
        updateGeometry();
        update();
    }
}
