#include "ui/OutcomeSigns.h"

#include <QPainterPathStroker>

namespace {

constexpr qreal kStroke = 1.8;

QPainterPath Stroked(const QPainterPath& line, qreal width = kStroke,
                     Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath Polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    return path;
}

QPainterPath Disc() {
    QPainterPath disc;
    disc.addEllipse(QPointF(8, 8), 7, 7);
    return disc;
}

QPainterPath Ring() {
    return Stroked(Disc());
}

// "!" as a bar and a dot, from y = top to y = bottom.
QPainterPath Bang(qreal top, qreal bottom) {
    QPainterPath bang = Stroked(Polyline({{8, top}, {8, bottom - 3.2}}), 2.0);
    bang.addEllipse(QPointF(8, bottom - 0.6), 1.1, 1.1);
    return bang;
}

QPainterPath Tick() {
    return Polyline({{3.5, 8.5}, {6.8, 11.5}, {12.5, 4.5}});
}

QPainterPath ArrowRight(qreal y, qreal from, qreal to) {
    QPainterPath arrow = Polyline({{from, y}, {to, y}});
    arrow.addPath(Polyline({{to - 3.5, y - 3.5}, {to, y}, {to - 3.5, y + 3.5}}));
    return arrow;
}

QPainterPath ArrowLeft(qreal y, qreal from, qreal to) {
    QPainterPath arrow = Polyline({{from, y}, {to, y}});
    arrow.addPath(Polyline({{to + 3.5, y - 3.5}, {to, y}, {to + 3.5, y + 3.5}}));
    return arrow;
}

}  // namespace

QPainterPath OutcomeSignShape(OutcomeSign sign) {
    switch (sign) {
        case OutcomeSign::None:
            return {};
        case OutcomeSign::Arrow:
            return Stroked(ArrowRight(8, 2.5, 13.5));
        case OutcomeSign::Pencil: {
            QPainterPath pencil = Stroked(Polyline({{5.5, 10.5}, {12.5, 3.5}}), 3.6, Qt::FlatCap);
            pencil.addPolygon(QPolygonF({{4.2, 9.2}, {6.8, 11.8}, {2.5, 13.5}, {4.2, 9.2}}));
            return pencil.simplified();
        }
        case OutcomeSign::Swap: {
            QPainterPath swap = ArrowRight(4.5, 2.5, 13.5);
            swap.addPath(ArrowLeft(11.5, 13.5, 2.5));
            return Stroked(swap);
        }
        case OutcomeSign::Tick:
            return Stroked(Tick(), 2.2);
        case OutcomeSign::TickDisc:
            return Disc().subtracted(Stroked(Tick(), 2.0));
        case OutcomeSign::Triangle: {
            QPainterPath triangle;
            triangle.addPolygon(QPolygonF({{8, 1}, {15.2, 14.5}, {0.8, 14.5}, {8, 1}}));
            return triangle.subtracted(Bang(5.5, 13));
        }
        case OutcomeSign::EmptyBox: {
            QPainterPath box;
            box.addRoundedRect(QRectF(3, 3, 10, 10), 1.5, 1.5);
            return Stroked(box, 1.6);
        }
        case OutcomeSign::DashedRing: {
            QPainterPathStroker stroker;
            stroker.setWidth(2.0);
            stroker.setDashPattern({1.4, 1.2});
            return stroker.createStroke(Disc()).simplified();
        }
        case OutcomeSign::Overlap: {
            QPainterPath back;
            back.addRect(QRectF(1.5, 1.5, 8.5, 8.5));
            QPainterPath front;
            front.addRect(QRectF(6, 6, 8.5, 8.5));
            return Stroked(back, 1.6).united(front);
        }
        case OutcomeSign::CrossDisc: {
            QPainterPath cross = Polyline({{5, 5}, {11, 11}});
            cross.addPath(Polyline({{11, 5}, {5, 11}}));
            return Disc().subtracted(Stroked(cross, 2.0));
        }
        case OutcomeSign::BangDisc:
            return Disc().subtracted(Bang(3.8, 12.8));
        case OutcomeSign::SlashRing:
            return Ring().united(Stroked(Polyline({{3.2, 12.8}, {12.8, 3.2}})));
        case OutcomeSign::MinusRing:
            return Ring().united(Stroked(Polyline({{4.5, 8}, {11.5, 8}})));
        case OutcomeSign::BackArrow:
            return Stroked(ArrowLeft(8, 13.5, 2.5));
        case OutcomeSign::BackDisc:
            return Disc().subtracted(Stroked(ArrowLeft(8, 12, 4), 2.0));
    }
    return {};
}
