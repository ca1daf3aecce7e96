#pragma once
// The picture shown while a program starts, before its main window exists.
#include "ui/BaseForms.h"

namespace quill::ui {

class TfrmSplash : public TfrmBase {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};

}  // namespace quill::ui
