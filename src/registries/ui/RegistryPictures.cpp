#include "RegistryPictures.h"

#include "registries/RegistryTreeModel.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using Picture = RegistryTreeModel::Picture;

void person(QPainter &p, const QColor &colour)
{
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QRectF(5, 1, 6, 6));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(3, 8, 10, 7), 3, 3);
}

void tractor(QPainter &p)
{
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(2, 6, 9, 5));
    p.drawRect(QRectF(7, 2, 4, 4));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(1, 9, 6, 6));
    p.drawEllipse(QRectF(10, 11, 4, 4));
}

void house(QPainter &p)
{
    p.setBrush(QColor(230, 220, 180));
    p.drawRect(QRectF(3, 7, 10, 8));
    p.setBrush(QColor(180, 50, 40));
    p.drawPolygon(QPolygonF({QPointF(1, 8), QPointF(8, 1), QPointF(15, 8)}));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(7, 10, 3, 5));
}

void gears(QPainter &p)
{
    p.setBrush(QColor(130, 130, 150));
    for (const QRectF &r : {QRectF(1, 1, 9, 9), QRectF(8, 8, 7, 7)}) {
        p.save();
        p.translate(r.center());
        for (int i = 0; i < 6; ++i) {
            p.drawRect(QRectF(-1, -r.width() / 2 - 1, 2, 3));
            p.rotate(60);
        }
        p.restore();
        p.drawEllipse(r);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(4, 4, 3, 3));
}

void folder(QPainter &p, bool open)
{
    p.setBrush(QColor(230, 190, 70));
    p.drawRect(QRectF(1, 3, 6, 3));
    p.drawRect(QRectF(1, 5, 14, 10));
    if (open) {
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(15, 8), QPointF(13, 15), QPointF(1, 15)}));
    }
}

void windows(QPainter &p)
{
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(90 + 40 * i, 140 + 30 * i, 60));
        p.drawRect(QRectF(1 + 3 * i, 1 + 3 * i, 8, 7));
    }
}

void diagram(QPainter &p)
{
    p.setBrush(QColor(60, 150, 60));
    p.drawRect(QRectF(6, 1, 5, 4));
    p.drawRect(QRectF(1, 11, 5, 4));
    p.drawRect(QRectF(10, 11, 5, 4));
    p.drawLine(QPointF(8.5, 5), QPointF(8.5, 8));
    p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
    p.drawLine(QPointF(3.5, 8), QPointF(3.5, 11));
    p.drawLine(QPointF(12.5, 8), QPointF(12.5, 11));
}

void bar(QPainter &p, const QColor &colour)
{
    p.setBrush(colour);
    p.drawRect(QRectF(1, 6, 14, 5));
}

void building(QPainter &p)
{
    p.setBrush(QColor(150, 150, 170));
    p.drawRect(QRectF(3, 1, 10, 14));
    p.setBrush(QColor(200, 230, 255));
    for (int y = 3; y < 12; y += 4)
        for (int x = 5; x < 12; x += 4)
            p.drawRect(QRectF(x, y, 2, 2));
}

void document(QPainter &p)
{
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(
        {QPointF(3, 1), QPointF(10, 1), QPointF(13, 4), QPointF(13, 15), QPointF(3, 15)}));
    for (int y = 6; y < 14; y += 3)
        p.drawLine(QPointF(5, y), QPointF(11, y));
}

} // namespace

QPixmap RegistryPictures::draw(int picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    switch (picture) {
    case Picture::WorkerFixed:
        person(p, QColor(40, 160, 60));
        break;
    case Picture::WorkerSeasonal:
        person(p, QColor(240, 140, 30));
        break;
    case Picture::MachinePicture:
        tractor(p);
        break;
    case Picture::CropEmpty:
        house(p);
        break;
    case Picture::OperationPicture:
        gears(p);
        break;
    case Picture::FolderClosed:
        folder(p, false);
        break;
    case Picture::FolderOpen:
        folder(p, true);
        break;
    case Picture::CropClosed:
        windows(p);
        break;
    case Picture::CropOpen:
        diagram(p);
        break;
    case Picture::ItemPicture:
        bar(p, QColor(140, 90, 40));
        break;
    case Picture::OtherPicture:
        building(p);
        break;
    case Picture::FieldPicture:
        document(p);
        break;
    case Picture::ItemNotebook:
        bar(p, QColor(250, 150, 30));
        break;
    default:
        break;
    }
    return pixmap;
}

const QList<QIcon> &RegistryPictures::icons()
{
    static const QList<QIcon> list = [] {
        QList<QIcon> made;
        for (int i = 0; i < RegistryTreeModel::PictureCount; ++i) {
            QIcon icon;
            const QPixmap pixmap = draw(i);
            // Normal and selected pictures are the same.
            icon.addPixmap(pixmap, QIcon::Normal);
            icon.addPixmap(pixmap, QIcon::Selected);
            made << icon;
        }
        return made;
    }();
    return list;
}
