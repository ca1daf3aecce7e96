#include "engine_app/FDlgEnd.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

TfrmDlgEnd::TfrmDlgEnd(QWidget* parent)
    : QDialog(parent), btnEnd_(new QPushButton("End", this)), btnHide_(new QPushButton("Hide", this)) {
    setWindowTitle("Quill - Labelprint Engine");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(14);
    auto* question = new QLabel("End or Hide Application?", this);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnEnd_);
    buttons->addWidget(btnHide_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    btnEnd_->setDefault(true);
    connect(btnEnd_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHide_, &QPushButton::clicked, this, &QDialog::reject);  // Esc hides as well
    setFixedSize(sizeHint().expandedTo({300, 0}));
}

}  // namespace quill
