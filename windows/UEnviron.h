// SPDX-License-Identifier: MIT
// The environment viewer: an animal's photograph beside the main window; a click on it plays
// the animal's cry again. The caller sets FichierImage and FichierSon, then shows it.
#pragma once

#include "app/platform/Bitmap.h"
#include "app/platform/Form.h"

#include <memory>
#include <string>

class QShowEvent;
class TPaintBox;
class WindowFrame;
namespace Ui {
class Environ;
}

class TEnviron : public TForm {
    Q_OBJECT
public:
    explicit TEnviron(QWidget* parent = nullptr);
    ~TEnviron() override;

    TPaintBox* PB = nullptr;
    std::unique_ptr<TBitmap> ImageVue; // the picture shown; absent until the first load
    std::string FichierImage;          // ".bmp", ".jpg" or ".jpeg", in any case
    std::string FichierSon;

    // Hidden to shown: loads FichierImage, then sizes and places the window beside the main one.
    void FormShow();
    bool ChargeImage();
    void PBPaint();
    void PBClick();
    // The window manager has framed the window, or changed its frame.
    void CadreChange();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PlaceAcoteDuPrincipal();

    WindowFrame* Cadre = nullptr; // owned by the window
    std::unique_ptr<Ui::Environ> ui;
};
