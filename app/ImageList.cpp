// SPDX-License-Identifier: MIT
#include "app/ImageList.h"

#include <QPainter>
#include <QStyle>
#include <functional>

namespace {

constexpr int kCote = 16;

QPixmap Dessine(const std::function<void(QPainter&)>& dessin) {
    QPixmap image(kCote, kCote);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    dessin(peintre);
    return image;
}

void Feuille(QPainter& peintre, const QRectF& cadre) {
    peintre.setPen(QPen(QColor(64, 64, 64), 1));
    peintre.setBrush(Qt::white);
    peintre.drawRect(cadre);
    peintre.setPen(QPen(QColor(128, 128, 160), 1));
    for (qreal y = cadre.top() + 3; y < cadre.bottom() - 1; y += 2) {
        peintre.drawLine(QPointF(cadre.left() + 2, y), QPointF(cadre.right() - 2, y));
    }
}

QPixmap Ciseaux() {
    return Dessine([](QPainter& peintre) {
        peintre.setPen(QPen(QColor(80, 80, 80), 1.5));
        peintre.drawLine(QPointF(4.5, 1.5), QPointF(10.5, 10.5));
        peintre.drawLine(QPointF(11.5, 1.5), QPointF(5.5, 10.5));
        peintre.setPen(QPen(QColor(0, 0, 160), 1.5));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        peintre.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
    });
}

QPixmap Copie() {
    return Dessine([](QPainter& peintre) {
        Feuille(peintre, QRectF(1.5, 1.5, 8, 10));
        Feuille(peintre, QRectF(6.5, 4.5, 8, 10));
    });
}

QPixmap Collage() {
    return Dessine([](QPainter& peintre) {
        peintre.setPen(QPen(QColor(96, 64, 16), 1));
        peintre.setBrush(QColor(200, 150, 70));
        peintre.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
        peintre.setBrush(QColor(160, 160, 160));
        peintre.drawRect(QRectF(4.5, 1.5, 4, 3));
        Feuille(peintre, QRectF(7.5, 6.5, 7, 8));
    });
}

QPixmap Standard(const QStyle& style, QStyle::StandardPixmap image) {
    return style.standardIcon(image).pixmap(kCote, kCote);
}

} // namespace

std::vector<QPixmap> ImageList1(const QStyle& style) {
    return {Ciseaux(),
            Copie(),
            Collage(),
            Standard(style, QStyle::SP_TrashIcon),
            Standard(style, QStyle::SP_ArrowBack),
            Standard(style, QStyle::SP_ArrowForward),
            Standard(style, QStyle::SP_FileIcon),
            Standard(style, QStyle::SP_DialogOpenButton),
            Standard(style, QStyle::SP_DialogSaveButton),
            Standard(style, QStyle::SP_FileDialogContentsView),
            Standard(style, QStyle::SP_DialogHelpButton),
            Standard(style, QStyle::SP_MessageBoxInformation),
            Standard(style, QStyle::SP_DialogCloseButton),
            Standard(style, QStyle::SP_BrowserReload),
            Standard(style, QStyle::SP_FileDialogDetailedView)};
}
