// Any bytes, read as a photo the way a deck is made of one: the import's own
// checks, then Qt's JPEG, PNG and bitmap readers at a reduced size within an
// allocation limit. Whatever the bytes, the import makes the three card
// pictures at exactly the card's sizes or nothing, and never crashes, leaks,
// hangs or runs out of memory on the way.

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "quiet_qt.h"

#include "decks/deck_import.h"

namespace {

void Fail(const char* what, const QImage& picture) {
    std::fprintf(stderr, "%s: %d x %d pixels, format %d\n", what, picture.width(), picture.height(),
                 static_cast<int>(picture.format()));
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static char name[] = "pairon_deck_fuzz";
    pairon::fuzz::StartQuietQt(name);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    pairon::PhotoFault fault = pairon::PhotoFault::None;
    const std::optional<pairon::CardPictures> cards = pairon::FitPhotoToCard(bytes, &fault);
    if (!cards) {
        if (fault == pairon::PhotoFault::None) std::abort();  // refused without a reason
        return 0;
    }
    if (fault != pairon::PhotoFault::None) std::abort();
    const QSize normal(pairon::kCardPictureWidth, pairon::kCardPictureHeight);
    if (cards->normal.size() != normal) Fail("the card picture is not the card's size", cards->normal);
    if (cards->sharp.size() != normal * pairon::kPictureScale) Fail("the sharp card picture is not twice the card's size", cards->sharp);
    if (cards->large.size() != normal * pairon::kLargeCardFactor) Fail("the large card picture is not six times the card's size", cards->large);
    for (const QImage* picture : {&cards->normal, &cards->sharp, &cards->large}) {
        if (picture->hasAlphaChannel()) Fail("a card picture is transparent", *picture);
    }
    return 0;
}
