#include "game/controls.h"

#include "game/numbers.h"

namespace pairon {

void TextList::Append(std::string text) {
    int value = WholeValue(text);
    items_.push_back(Item{std::move(text), value});
}

void TextList::Remove(std::size_t k) {
    if (k < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(k));
}

std::string DropDown::Text() const {
    if (listIndex < 0 || listIndex >= static_cast<int>(items.size())) return {};
    return items[static_cast<std::size_t>(listIndex)];
}

bool DropDown::SelectText(std::string_view text) {
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (items[k] == text) return SelectIndex(static_cast<int>(k));
    }
    return false;
}

bool DropDown::SelectIndex(int k) {
    if (k < -1 || k >= static_cast<int>(items.size()) || k == listIndex) return false;
    listIndex = k;
    return true;
}

void TextBox::SetText(std::string_view newText) {
    if (maxLength == 0) {
        text = newText;
        return;
    }
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < newText.size()) {
        auto lead = static_cast<unsigned char>(newText[end]);
        std::size_t width = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (characters == maxLength) break;
        end += width;
        ++characters;
    }
    if (end > newText.size()) end = newText.size();
    text = newText.substr(0, end);
}

}  // namespace pairon
