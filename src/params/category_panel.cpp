// SPDX-License-Identifier: MIT
#include "params/category_panel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

using namespace Qt::StringLiterals;

// The clickable header line of a panel: caption at the left, chevron at the right, red
// while the pointer is over it.
class CategoryPanelHeader final : public QWidget
{
public:
    explicit CategoryPanelHeader(CategoryPanel *panel) : QWidget(panel), m_panel(panel)
    {
        setObjectName(u"Header"_s);
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
        QFont headerFont(u"Verdana"_s);
        headerFont.setPixelSize(15);
        headerFont.setBold(true);
        setFont(headerFont);
    }

    QString caption;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(231, 216, 216));
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawText(rect().adjusted(8, 0, -30, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);

        // Double chevron: pointing up while expanded (click collapses), down while collapsed.
        const bool hot = underMouse();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(hot ? QColor(220, 0, 0) : QColor(0x80, 0x80, 0x80), 2));
        const qreal cx = width() - 16;
        const qreal cy = height() / 2.0;
        const qreal dir = m_panel->isCollapsed() ? 1.0 : -1.0;
        for (const qreal offset : {-3.0, 3.0}) {
            const qreal y = cy + offset;
            QPainterPath chevron;
            chevron.moveTo(cx - 5, y - dir * 2.5);
            chevron.lineTo(cx, y + dir * 2.5);
            chevron.lineTo(cx + 5, y - dir * 2.5);
            painter.drawPath(chevron);
        }
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_panel->setCollapsed(!m_panel->isCollapsed());
    }

    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave)
            update();
        return QWidget::event(event);
    }

private:
    CategoryPanel *m_panel;
};

CategoryPanel::CategoryPanel(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
    m_header = new CategoryPanelHeader(this);
    m_body = new QWidget(this);
    m_body->setObjectName(objectName + u"_Body"_s);
}

void CategoryPanel::setCaption(const QString &caption)
{
    m_header->caption = caption;
    m_header->setAccessibleName(caption);
    m_header->update();
}

QString CategoryPanel::caption() const
{
    return m_header->caption;
}

void CategoryPanel::setPanelHeight(int height)
{
    if (height == m_panelHeight)
        return;
    m_panelHeight = height;
    emit heightChanged();
}

int CategoryPanel::currentHeight() const
{
    return m_collapsed ? HeaderHeight : m_panelHeight;
}

void CategoryPanel::setCollapsed(bool collapsed)
{
    if (collapsed == m_collapsed)
        return;
    m_collapsed = collapsed;
    m_body->setVisible(!collapsed);
    m_header->update();
    emit heightChanged();
}

void CategoryPanel::resizeEvent(QResizeEvent *)
{
    m_header->setGeometry(0, 0, width(), HeaderHeight);
    m_body->setGeometry(0, HeaderHeight, width(), qMax(0, m_panelHeight - HeaderHeight));
}

CategoryPanelGroup::CategoryPanelGroup(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(u"CPG"_s);
    setFrameShape(QFrame::NoFrame);
    // The group is no tab stop of its own: the focus goes straight to the panels' controls.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setTracking(true);
    verticalScrollBar()->setSingleStep(LineStep);
    setWidgetResizable(false);
    m_stack = new QWidget;
    m_stack->setObjectName(u"CPG_Stack"_s);
    setWidget(m_stack);
}

CategoryPanel *CategoryPanelGroup::addPanel(const QString &objectName)
{
    auto *panel = new CategoryPanel(objectName, m_stack);
    m_panels.append(panel);
    connect(panel, &CategoryPanel::heightChanged, this, &CategoryPanelGroup::stackPanels);
    return panel;
}

void CategoryPanelGroup::setPanelOrder(const QList<CategoryPanel *> &order)
{
    QList<CategoryPanel *> ordered;
    for (CategoryPanel *panel : order) {
        if (m_panels.contains(panel) && !ordered.contains(panel))
            ordered.append(panel);
    }
    for (CategoryPanel *panel : std::as_const(m_panels)) {
        if (!ordered.contains(panel))
            ordered.append(panel);
    }
    m_panels = ordered;
    stackPanels();
}

void CategoryPanelGroup::stackPanels()
{
    const int width = viewport()->width();
    int top = 0;
    for (CategoryPanel *panel : std::as_const(m_panels)) {
        if (panel->isHidden())
            continue;
        panel->setGeometry(0, top, width, panel->currentHeight());
        top += panel->currentHeight();
    }
    m_stack->resize(width, top);
}

void CategoryPanelGroup::scrollLines(int lines)
{
    const auto action = lines < 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    for (int i = 0; i < qAbs(lines); ++i)
        verticalScrollBar()->triggerAction(action);
}

bool CategoryPanelGroup::viewportEvent(QEvent *event)
{
    // The panels take the viewport's width, also when the scroll bar comes or goes.
    if (event->type() == QEvent::Resize)
        stackPanels();
    return QScrollArea::viewportEvent(event);
}
