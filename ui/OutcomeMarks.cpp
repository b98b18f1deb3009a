#include "ui/OutcomeMarks.h"

#include <QIconEngine>
#include <QPainter>
#include <QVector>
#include <cmath>

#include "ui/OutcomeSigns.h"

namespace {

constexpr double kTextContrast = 4.5;

// Draws one sign, scaled to any size and device pixel ratio. The results list
// paints a sign on most rows of every frame, so each size and mode is drawn
// once into a pixmap, which later paints copy.
class SignEngine : public QIconEngine {
public:
    SignEngine(OutcomeSign sign, const QColor& normal, const QColor& selected,
               const QColor& disabled)
        : m_sign(sign), m_normal(normal), m_selected(selected), m_disabled(disabled) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        if (side <= 0)
            return;
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const QPoint at(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->drawPixmap(at, drawn(side, ratio, mode));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override {
        return new SignEngine(m_sign, m_normal, m_selected, m_disabled);
    }
    QString key() const override { return QStringLiteral("norvane-outcome-sign"); }

private:
    // The sign `side` device-independent pixels wide in a mode, drawn once.
    const QPixmap& drawn(int side, qreal ratio, QIcon::Mode mode) {
        const QPixmap* known = findDrawn(side, ratio, mode);
        if (known != nullptr)
            return *known;
        m_drawn.append({side, ratio, mode, QPixmap()});
        QPixmap& pixmap = m_drawn.last().pixmap;
        const int pixels = std::max(1, qRound(side * ratio));
        pixmap = QPixmap(pixels, pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(pixels / 16.0, pixels / 16.0);
        const QColor colour = mode == QIcon::Selected   ? m_selected
                              : mode == QIcon::Disabled ? m_disabled
                                                        : m_normal;
        painter.fillPath(OutcomeSignShape(m_sign), colour);
        painter.end();
        pixmap.setDevicePixelRatio(ratio);
        return pixmap;
    }

    const QPixmap* findDrawn(int side, qreal ratio, QIcon::Mode mode) const {
        for (const Drawn& drawn : m_drawn) {
            if (drawn.side == side && drawn.ratio == ratio && drawn.mode == mode)
                return &drawn.pixmap;
        }
        return nullptr;
    }

    // A few entries: one a mode for each size and pixel ratio the list uses.
    struct Drawn {
        int side;
        qreal ratio;
        QIcon::Mode mode;
        QPixmap pixmap;
    };
    OutcomeSign m_sign;
    QColor m_normal;
    QColor m_selected;
    QColor m_disabled;
    QVector<Drawn> m_drawn;
};

double Luminance(const QColor& colour) {
    auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QVector<QColor> PaletteKey(const QPalette& palette) {
    QVector<QColor> key;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Base, QPalette::Text, QPalette::Link, QPalette::PlaceholderText,
                          QPalette::HighlightedText})
            key.append(palette.color(group, role));
    }
    return key;
}

// The hue each tone starts from; the palette gives the pending and quiet ones.
QColor ToneHue(OutcomeTone tone, const QPalette& palette) {
    switch (tone) {
        case OutcomeTone::Pending:
            return palette.color(QPalette::Link);
        case OutcomeTone::Done:
            return QColor::fromHsv(130, 200, 160);
        case OutcomeTone::Quiet:
            return palette.color(QPalette::PlaceholderText);
        case OutcomeTone::Warning:
            return QColor::fromHsv(34, 255, 200);
        case OutcomeTone::Error:
            return QColor::fromHsv(2, 220, 210);
    }
    return palette.color(QPalette::Text);
}

constexpr OutcomeTone kTones[] = {OutcomeTone::Pending, OutcomeTone::Done, OutcomeTone::Quiet,
                                  OutcomeTone::Warning, OutcomeTone::Error};

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, double ratio) {
    // On a light background the colour darkens, on a dark one it brightens,
    // step by step, until it stands out enough; black and white always do.
    const bool lightBackground = Luminance(background) > 0.18;
    const QColor hsl = colour.toHsl();
    const float hue = hsl.hslHueF();
    const float saturation = hsl.hslSaturationF();
    float lightness = hsl.lightnessF();
    QColor shown = colour;
    for (int step = 0; step < 50 && ContrastRatio(shown, background) < ratio; ++step) {
        lightness = std::clamp(lightness + (lightBackground ? -0.02f : 0.02f), 0.0f, 1.0f);
        shown = QColor::fromHslF(hue, saturation, lightness);
    }
    if (ContrastRatio(shown, background) < ratio)
        shown = lightBackground ? QColor(Qt::black) : QColor(Qt::white);
    return shown;
}

OutcomeMarks::OutcomeMarks(const QPalette& palette)
    : m_key(PaletteKey(palette)), m_text(palette.color(QPalette::Text)) {
    const QColor base = palette.color(QPalette::Base);
    for (OutcomeTone tone : kTones)
        m_tones.append(ReadableOn(ToneHue(tone, palette), base, kTextContrast));
    const QColor selected = palette.color(QPalette::HighlightedText);
    const QColor disabled = palette.color(QPalette::Disabled, QPalette::Text);
    for (const OutcomeLook& look : kOutcomeLooks) {
        if (look.sign == OutcomeSign::None)
            m_icons.append(QIcon());
        else
            m_icons.append(QIcon(new SignEngine(look.sign, colour(look.tone), selected, disabled)));
    }
}

bool OutcomeMarks::madeFor(const QPalette& palette) const {
    return m_key == PaletteKey(palette);
}

QIcon OutcomeMarks::icon(RowOutcome outcome) const {
    return m_icons.value(static_cast<int>(outcome));
}

QColor OutcomeMarks::colour(OutcomeTone tone) const {
    return m_tones.value(static_cast<int>(tone));
}

QColor OutcomeMarks::textColour(RowOutcome outcome) const {
    const OutcomeTone tone = LookOf(outcome).tone;
    if (tone == OutcomeTone::Warning || tone == OutcomeTone::Error)
        return colour(tone);
    return m_text;
}
