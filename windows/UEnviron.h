// SPDX-License-Identifier: MIT
// Placeholder until the environment viewer lands.
#pragma once

#include "app/platform/Form.h"

#include <string>

class TEnviron : public TForm {
    Q_OBJECT
public:
    explicit TEnviron(QWidget* parent = nullptr);

    std::string FichierImage;
    std::string FichierSon;
};
