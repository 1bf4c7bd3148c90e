// SPDX-License-Identifier: MIT
#include "app/placeholder_dialog.h"

#include "app/dialog_frame.h"
#include "messages/messages.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

TFPlaceholder::TFPlaceholder(const Messages &messages, int captionNumber, const QString &objectName,
                             QWidget *parent)
    : QDialog(parent), m_messages(messages), m_captionNumber(captionNumber)
{
    setObjectName(objectName);
    setUpFixedDialog(this, 360, 150);
    m_caption = new QLabel(this);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->setGeometry(16, 16, 328, 20);
    auto *note = new QLabel(u"This step is not available in this version of the configurator."_s, this);
    note->setWordWrap(true);
    note->setGeometry(16, 44, 328, 40);
    m_ok = new QPushButton(u"OK"_s, this);
    m_ok->setGeometry(164, 108, 86, 28);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(u"Cancel"_s, this);
    m_cancel->setGeometry(258, 108, 86, 28);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFPlaceholder::Set_Lang()
{
    setWindowTitle(m_messages[m_captionNumber]);
    m_caption->setText(m_messages[m_captionNumber]);
}
