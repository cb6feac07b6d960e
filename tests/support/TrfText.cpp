#include "support/TrfText.h"

#include <cstdio>

namespace ranvik::test {

namespace {

std::size_t Characters(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string PadRight(const std::string& text, std::size_t width) {
    const std::size_t length = Characters(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Block(const std::string& game) {
    if (game.empty())
        return std::string(10, ' ');
    const std::string opponent = game.substr(0, game.size() - 2);
    std::string block = PadLeft(opponent == "0" ? "0000" : opponent, 4);
    block += ' ';
    block += game[game.size() - 2];
    block += ' ';
    block += game.back();
    return block + "  ";
}

} // namespace

std::string TrfPlayerLine(const TrfPlayerSpec& player) {
    std::string line = "001 " + PadLeft(std::to_string(player.start), 4) + " m    ";
    line += PadRight(player.name, 33) + " ";
    line += PadLeft(player.rating, 4) + " CAN ";
    line += PadLeft("", 11) + " 1990/01/01 ";
    line += PadLeft(player.points, 4) + " " + PadLeft(std::to_string(player.start), 4) + "  ";
    for (const std::string& game : player.games)
        line += Block(game);
    return line;
}

std::string TrfFileText(const std::vector<TrfPlayerSpec>& players, const std::string& eol) {
    std::string text = "012 Test Open" + eol;
    for (const TrfPlayerSpec& player : players)
        text += TrfPlayerLine(player) + eol;
    return text;
}

} // namespace ranvik::test
