// A 24-bit DIB section in a memory DC for the painter tests: paint into it with real GDI,
// then read pixels back, compare pictures and find the box of pixels that changed.
#pragma once
#include <windows.h>
#include <string>

// A colour no painter uses, so untouched pixels stand out.
const COLORREF kSentinel = RGB(1, 2, 3);

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = kSentinel) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~Canvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    bool ok() const { return dc_ && bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF colour)
    {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = {0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    void Fill(const RECT& rect, COLORREF colour)
    {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &rect, brush);
        DeleteObject(brush);
    }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const BYTE* p = static_cast<const BYTE*>(bits_) + y * Stride() + x * 3;
        return RGB(p[2], p[1], p[0]);
    }
    void CopyFrom(const Canvas& other) { BitBlt(dc_, 0, 0, width_, height_, other.dc_, 0, 0, SRCCOPY); }

    // The smallest rectangle (right/bottom exclusive) holding every pixel that differs
    // from other; empty (all zero) when the pictures are the same.
    RECT DiffBox(const Canvas& other) const
    {
        RECT box = {width_, height_, 0, 0};
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++)
                if (At(x, y) != other.At(x, y)) {
                    if (x < box.left) box.left = x;
                    if (y < box.top) box.top = y;
                    if (x + 1 > box.right) box.right = x + 1;
                    if (y + 1 > box.bottom) box.bottom = y + 1;
                }
        if (box.right == 0)
            box = RECT{0, 0, 0, 0};
        return box;
    }
    // Pixels differing from other inside rect.
    int DiffCount(const Canvas& other, const RECT& rect) const
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                if (At(x, y) != other.At(x, y))
                    count++;
        return count;
    }

private:
    int Stride() const { return (width_ * 3 + 3) & ~3; }
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};

inline std::string RectText(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

inline bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::string ColourText(COLORREF c)
{
    char text[32];
    snprintf(text, sizeof text, "RGB(%u, %u, %u)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}
