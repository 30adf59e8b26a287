// Writes the book the benchmarks and the text clean-up tests work on: about 3 MB of UTF-8 prose,
// the same every time. Chapters of paragraphs drawn from the sentences below by a fixed-seed
// generator; some paragraphs are dialogue, some hard-wrapped, now and then an English sentence.
// No word is broken at a line end: the tests break them, and must get the book back whole.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kBookBytes = 3'000'000;

const std::vector<std::string> kNarration = {
    "Поезд шёл на север, и за окном тянулись леса, болота и редкие деревни.",
    "В вагоне было тепло, пахло углём, яблоками и свежими газетами.",
    "Проводница, женщина лет пятидесяти, разносила чай в тяжёлых подстаканниках.",
    "На станциях стояли недолго, т. е. минуты две, а то и меньше.",
    "Дежурный по вокзалу г. Вологда выходил на перрон с фонарём и флажком.",
    "Снег падал крупными хлопьями и таял на тёплом стекле.",
    "Пассажиры читали, спали, играли в шашки, пили чай с баранками и т. д.",
    "К вечеру небо прояснилось, и над лесом поднялась большая жёлтая луна.",
    "Старик в углу всё время что-то записывал в маленькую тетрадь.",
    "Где-то далеко впереди гудел паровоз, и этот гудок летел над полями.",
    "Девушка у окна держала на коленях книгу с надписью «Mind the gap».",
    "Мальчик на верхней полке считал телеграфные столбы и сбивался со счёта.",
};

const std::vector<std::string> kSpeech = {
    "— Скоро ли Котлас? — спросил кто-то из глубины вагона.",
    "— К утру будем, — ответила проводница, — если заносов не будет.",
    "— А вы куда едете? — В Архангельск, к сестре.",
    "— Чаю хотите? — Не откажусь, спасибо.",
    "— Опять стоим, — вздохнул старик. — Так и до весны не доедем.",
    "— Ну-ну, — сказал он и снова уткнулся в тетрадь.",
};

const std::vector<std::string> kEnglish = {
    "\"Where does this train go?\" asked the traveller in English.",
    "The sign above the door said: Please keep your ticket until the end of the journey.",
    "Mind the gap between the train and the platform.",
};

// The same numbers on every machine, unlike the standard distributions.
class Generator {
public:
    std::uint32_t Next(std::uint32_t bound)
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return std::uint32_t(state >> 33) % bound;
    }

private:
    std::uint64_t state = 20240601;
};

const std::string &Pick(const std::vector<std::string> &from, Generator &random)
{
    return from[random.Next(std::uint32_t(from.size()))];
}

std::string Paragraph(Generator &random)
{
    std::string paragraph;
    const std::uint32_t sentences = 2 + random.Next(9);
    for (std::uint32_t i = 0; i < sentences; ++i) {
        if (!paragraph.empty())
            paragraph += ' ';
        paragraph += random.Next(12) == 0 ? Pick(kEnglish, random) : Pick(kNarration, random);
    }
    return paragraph;
}

// The characters of UTF-8 text: every byte but those that continue a character.
std::size_t Characters(const std::string &text)
{
    std::size_t count = 0;
    for (unsigned char byte : text)
        count += (byte & 0xC0) != 0x80;
    return count;
}

// The paragraph wrapped at about 60 characters a line, between words.
std::string Wrapped(const std::string &paragraph)
{
    std::string wrapped;
    std::size_t column = 0, start = 0;
    while (start < paragraph.size()) {
        std::size_t end = paragraph.find(' ', start);
        if (end == std::string::npos)
            end = paragraph.size();
        const std::string word = paragraph.substr(start, end - start);
        const std::size_t length = Characters(word);
        if (column > 0 && column + 1 + length > 60) {
            wrapped += '\n';
            column = 0;
        } else if (column > 0) {
            wrapped += ' ';
            ++column;
        }
        wrapped += word;
        column += length;
        start = end + 1;
    }
    return wrapped;
}

std::string Chapter(int number, Generator &random)
{
    std::string chapter = "Глава " + std::to_string(number) + "\n\n";
    const std::uint32_t paragraphs = 20 + random.Next(30);
    for (std::uint32_t i = 0; i < paragraphs; ++i) {
        const std::uint32_t kind = random.Next(10);
        if (kind < 3)
            chapter += Pick(kSpeech, random);
        else if (kind == 3)
            chapter += Wrapped(Paragraph(random));
        else
            chapter += Paragraph(random);
        chapter += "\n\n";
    }
    return chapter;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s BOOK\n", argv[0]);
        return 2;
    }
    Generator random;
    std::string book = "Северный поезд\n\n";
    for (int chapter = 1; book.size() < kBookBytes; ++chapter)
        book += Chapter(chapter, random);
    std::ofstream file(argv[1], std::ios::binary);
    file << book;
    return file.good() ? 0 : 1;
}
