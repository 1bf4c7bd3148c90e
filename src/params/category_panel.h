// SPDX-License-Identifier: MIT
// Collapsible category panels stacked in a scrolling group.
#pragma once

#include <QList>
#include <QScrollArea>
#include <QWidget>

class CategoryPanelHeader;

// A panel with a header (caption and chevron) that collapses and expands it, and a body that
// holds the panel's controls at fixed positions.
class CategoryPanel final : public QWidget
{
    Q_OBJECT
public:
    explicit CategoryPanel(const QString &objectName, QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    [[nodiscard]] QString caption() const;

    // Parent of the panel's controls; (0, 0) is the top left corner below the header.
    [[nodiscard]] QWidget *body() const { return m_body; }

    // Height of the expanded panel, header included.
    void setPanelHeight(int height);
    [[nodiscard]] int panelHeight() const { return m_panelHeight; }
    // Height the panel takes in its group: the header alone while collapsed.
    [[nodiscard]] int currentHeight() const;

    [[nodiscard]] bool isCollapsed() const { return m_collapsed; }
    void setCollapsed(bool collapsed);

    static constexpr int HeaderHeight = 24;

signals:
    // The height the panel takes in its group has changed.
    void heightChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CategoryPanelHeader *m_header = nullptr;
    QWidget *m_body = nullptr;
    int m_panelHeight = 200;
    bool m_collapsed = false;
};

// A vertical stack of category panels in a scroll area: each visible panel stands at the
// previous one's top plus its height.
class CategoryPanelGroup final : public QScrollArea
{
    Q_OBJECT
public:
    explicit CategoryPanelGroup(QWidget *parent = nullptr);

    // Creates a panel in the group; it is stacked once it is in the order.
    CategoryPanel *addPanel(const QString &objectName);
    [[nodiscard]] const QList<CategoryPanel *> &panels() const { return m_panels; }

    // Stacks the panels in this order (the first at top 0); panels not named go after them.
    void setPanelOrder(const QList<CategoryPanel *> &order);
    [[nodiscard]] QList<CategoryPanel *> panelOrder() const { return m_panels; }

    // Puts every visible panel at its place and sizes the scrolled area to the stack.
    void stackPanels();

    // One line of the vertical scroll bar up (negative) or down (positive), lines times.
    void scrollLines(int lines);

    static constexpr int LineStep = 10; // pixels per scrolled line

protected:
    bool viewportEvent(QEvent *event) override;

private:
    QWidget *m_stack = nullptr;
    QList<CategoryPanel *> m_panels;
};
