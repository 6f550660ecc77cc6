#pragma once

#include "graphics/BitmapBits.h"
#include "platform/Pictures.h"

#include <QString>

#include <cstdint>

class QPaintDevice;
class QWidget;

// One off-screen bitmap, blank or loaded from a file, whose pixels can be read one by one in
// the bitmap's own depth and which draws itself at a stored position.
class clsPicture
{
public:
    float Left() const { return m_left; }
    void setLeft(float left) { m_left = left; }
    float Top() const { return m_top; }
    void setTop(float top) { m_top = top; }

    // A black bitmap as large as the inner area of `source`, in the screen's true-colour
    // depth. False, leaving the object empty, for a widget without an inner area.
    bool Create(const QWidget &source);

    // Loads the picture file at `sPath`. False, leaving the object empty, when no file is
    // there or it cannot be decoded.
    bool SetPicture(const QString &sPath);

    // The bitmap's handle, 0 when there is none.
    std::int64_t Handle() const { return Pictures::handle(m_picture); }

    // The value of the pixel at column x, row y (row 0 at the top): the palette index for 1,
    // 4 and 8 bits a pixel, the 16-bit word, or blue + 256 * green + 65536 * red. -1 outside
    // the bitmap or when there is none.
    std::int32_t GetPoint(std::int32_t x, std::int32_t y) const;

    // Copies the whole bitmap, alpha included, onto `device` with its top-left corner at
    // (Left, Top) rounded to the nearest pixel, ties to even. False when there is no bitmap,
    // the position is out of range or the device cannot be painted on now.
    bool Draw(QPaintDevice &device) const;

private:
    void reset();

    float m_left = 0.0f;
    float m_top = 0.0f;
    Picture m_picture;
    BitmapBits m_bits;
};
