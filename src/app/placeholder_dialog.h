// SPDX-License-Identifier: MIT
// Stands in for a step's form until that form is part of the configurator.
#pragma once

#include "app/localizable.h"

#include <QDialog>

class Messages;
class QLabel;
class QPushButton;

class TFPlaceholder final : public QDialog, public Localizable
{
    Q_OBJECT
public:
    // captionNumber: the catalogue text of the step, shown as the window caption.
    TFPlaceholder(const Messages &messages, int captionNumber, const QString &objectName,
                  QWidget *parent = nullptr);

    void Set_Lang() override;

private:
    const Messages &m_messages;
    int m_captionNumber;
    QLabel *m_caption = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
