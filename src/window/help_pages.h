#pragma once

#include <array>
#include <string_view>

namespace pairon {

// A page of help text: the caption of its tab, the name of its text label and
// the text, in English and UTF-8, each null-terminated; the window shows the
// caption and the text in the player's language. Paragraphs are separated by
// an empty line.
struct HelpTextPage {
    std::string_view tab;
    std::string_view label;
    std::string_view text;
};

// The five pages of text, in the order of their tabs.
const std::array<HelpTextPage, 5>& HelpTextPages();

// The paragraph of the introduction, counted from 0 (paragraphs are parted
// by an empty line), that names the zoom keys. A window without them, the
// browser edition's, leaves it out; every language keeps the paragraphs of
// the English.
inline constexpr int kZoomKeysParagraph = 3;

// The sixth page says who made the game and on what terms; this is its tab's
// caption, in English.
std::string_view AboutTab();

// In English, each null-terminated; `product` takes the version for its %1.
struct AboutTexts {
    std::string_view designer;
    std::string_view product;
    std::string_view license;
    std::string_view internet;
};

const AboutTexts& About();

}  // namespace pairon
