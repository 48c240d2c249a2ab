// SPDX-License-Identifier: MIT
// Placeholder until the won window lands.
#pragma once

#include "app/platform/Form.h"

class TBravo : public TForm {
    Q_OBJECT
public:
    explicit TBravo(QWidget* parent = nullptr);
};
