// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Build-time tool: turns the program's XPM icon into the PNG that the icon theme installs,
// so that the menu shows exactly the picture that the window carries. It refuses artwork
// that is not a 32 x 32 picture of at most 256 colours rather than install it.

#include <QImage>
#include <QSize>

#include <cstdio>
#include <string>

namespace {

constexpr QSize kIconSize(32, 32);
constexpr int kMaxColours = 256;

int Fail(const std::string& message)
{
    std::fprintf(stderr, "icon_png_from_xpm: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        return Fail("usage: icon_png_from_xpm INPUT.xpm OUTPUT.png");
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    QImage icon;
    if (!icon.load(input, "XPM")) {
        return Fail(std::string("cannot read '") + argv[1] + "' as an XPM picture");
    }
    if (icon.size() != kIconSize) {
        return Fail(std::string("'") + argv[1] + "' is " + std::to_string(icon.width()) + " x " +
                    std::to_string(icon.height()) + ", not 32 x 32");
    }
    // Qt reads an XPM of up to 256 colours as a palette picture; anything else has more.
    if (icon.format() != QImage::Format_Indexed8 || icon.colorCount() > kMaxColours) {
        return Fail(std::string("'") + argv[1] + "' has more than 256 colours");
    }
    // A palette picture stays a palette PNG, transparency included.
    if (!icon.save(output, "PNG")) {
        return Fail(std::string("cannot write '") + argv[2] + "'");
    }
    return 0;
}
