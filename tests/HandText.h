#pragma once

// Cards and hands written as players write them: "KH" is the king of hearts,
// "KH QH JH TH 2S" a hand with place 1 first.
#include "engine/Cards.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <string_view>

namespace handtext {

inline vel::Card CardOf(const QString& name)
{
    const auto rank = std::string_view(vel::RankLetters).find(name.at(0).toLatin1());
    const auto suit = std::string_view(vel::SuitLetters).find(name.at(1).toLatin1());
    return static_cast<vel::Card>(suit * 13 + rank + 1);
}

inline vel::Hand HandOf(const QString& text)
{
    const QStringList names = text.split(' ');
    vel::Hand hand{};
    for (std::size_t place = 0; place < hand.size(); ++place)
        hand[place] = CardOf(names.at(static_cast<qsizetype>(place)));
    return hand;
}

// Mask of the places of `dealt` whose cards are named in `held`.
inline unsigned MaskOf(const vel::Hand& dealt, const QString& held)
{
    unsigned mask = 0;
    for (const QString& name : held.split(' ', Qt::SkipEmptyParts)) {
        const auto place = std::find(dealt.begin(), dealt.end(), CardOf(name)) - dealt.begin();
        mask |= 1u << place;
    }
    return mask;
}

} // namespace handtext
