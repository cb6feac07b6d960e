#include "chart/TournamentTypeName.h"

namespace ranvik {

Message TournamentTypeName(TournamentType type, NamePlace place) {
    const bool alone = place == NamePlace::Alone;
    switch (type) {
    case TournamentType::Swiss:
        return Message(MessageKind::TypeSwiss); // a name, so its capital stays
    case TournamentType::RoundRobin:
        return Message(alone ? MessageKind::TypeRoundRobin : MessageKind::TypeRoundRobinInSentence);
    case TournamentType::DoubleRoundRobin:
        return Message(alone ? MessageKind::TypeDoubleRoundRobin
                             : MessageKind::TypeDoubleRoundRobinInSentence);
    }
    return {};
}

} // namespace ranvik
