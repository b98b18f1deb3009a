// Writes a synthetic music library for the benchmarks: artist folders holding
// album folders of 8 to 25 tracks named "Artist - Album - 07 - Title.mp3",
// with underscores, upper-case extensions, letters beyond ASCII, about one
// name in ten that does not fit that scheme, and about one file in five that
// is no track at all (covers, playlists, notes). The same seed and count give
// the same library, byte for byte. Tracks are sparse files: they have the
// sizes of real tracks but take no room on disk. With --empty every file is
// empty, for file systems without sparse files (exFAT), where the sizes would
// be written out in full.
//
// Usage: norvane-bench-library [--empty] FOLDER MUSIC_FILES [SEED]
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(below(static_cast<int>(items.size())))];
    }

private:
    std::uint64_t m_state;
};

// Syllables, some with letters beyond ASCII (UTF-8), from which the words are made.
const std::vector<std::string> kSyllables = {
    "ka",  "lo",  "mi",  "ra",  "ven", "dor", "sa",  "tel", "bri", "an",  "mo",
    "ni",  "sol", "var", "ur",  "el",  "fa",  "gri", "ho",  "jo",  "ké",  "lö",
    "mä",  "nø",  "på",  "rü",  "sé",  "ñi",  "çu",  "zö",  "ber", "cas", "del",
    "fen", "gar", "hil", "ist", "lun", "mer", "nor", "ost", "pel", "qua", "rin",
    "sto", "tar", "ulm", "wen", "yor", "zan", "дже", "ми",  "ра"};

const std::vector<std::string> kOtherFiles = {
    "cover.jpg",   "folder.jpg", "back.jpg",  "playlist.m3u", "notes.txt", "album.cue",
    "booklet.pdf", "info.nfo",   "front.png", "lyrics.txt",   "scan.png",  "rip.log"};

std::string Word(Random& random) {
    std::string word;
    const int syllables = random.between(1, 3);
    for (int i = 0; i < syllables; ++i)
        word += random.pick(kSyllables);
    word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

std::string Words(Random& random, int low, int high) {
    std::string text;
    const int count = random.between(low, high);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += Word(random);
    }
    return text;
}

std::string Underscored(std::string text) {
    for (char& c : text) {
        if (c == ' ')
            c = '_';
    }
    return text;
}

bool MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST)
        return true;
    std::fprintf(stderr, "cannot create %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}

bool MakeFile(const std::string& path, off_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::fprintf(stderr, "cannot create %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    const bool sized = ::ftruncate(fd, size) == 0;
    ::close(fd);
    return sized;
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A track's name; about one in ten does not fit "Artist - Album - Track# - Trackname".
std::string TrackName(Random& random, const std::string& artist, const std::string& album,
                      int track, bool underscores) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", track);
    std::string title = Words(random, 1, 4);
    std::string name;
    switch (random.below(100)) {
        case 0:
        case 1:
        case 2:
        case 3:
            name = artist + " - " + title;  // no album, no track number
            break;
        case 4:
        case 5:
        case 6:
            name = std::string(number) + " " + title;  // track and title only
            break;
        case 7:
        case 8:
        case 9:
            name = artist + " - " + album + " - " + title;  // no track number
            break;
        default:
            name = artist + " - " + album + " - " + number + " - " + title;
    }
    if (underscores) {
        // Underscores for the blanks inside the fields; the dividers stay " - ".
        std::string joined;
        size_t start = 0;
        for (;;) {
            const size_t at = name.find(" - ", start);
            joined += Underscored(name.substr(start, at - start));
            if (at == std::string::npos)
                break;
            joined += " - ";
            start = at + 3;
        }
        name = joined;
    }
    return name + (random.chance(10) ? ".MP3" : ".mp3");
}

}  // namespace

int main(int argc, char** argv) {
    const bool empty = argc > 1 && std::strcmp(argv[1], "--empty") == 0;
    if (empty) {
        --argc;
        ++argv;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: norvane-bench-library [--empty] FOLDER MUSIC_FILES [SEED]\n");
        return 2;
    }
    const std::string root = argv[1];
    const long wanted = std::strtol(argv[2], nullptr, 10);
    Random random(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 20240611);
    // The sizes are drawn either way, so that the names are the same with --empty.
    const auto sized = [empty](off_t size) { return empty ? off_t{0} : size; };
    if (!MakeFolder(root))
        return 1;

    long tracks = 0;
    long others = 0;
    int artistNumber = 0;
    while (tracks < wanted) {
        // A number keeps artist and album folders apart when words repeat.
        const std::string artist = Words(random, 1, 3) + " " + std::to_string(++artistNumber);
        const std::string artistFolder = root + "/" + artist;
        if (!MakeFolder(artistFolder))
            return 1;
        const int albums = random.between(1, 4);
        for (int a = 0; a < albums && tracks < wanted; ++a) {
            const std::string album = Words(random, 1, 3) + " " + std::to_string(a + 1);
            const std::string folder = artistFolder + "/" + album;
            if (!MakeFolder(folder))
                return 1;
            const bool underscores = random.chance(15);
            const int count =
                static_cast<int>(std::min<long>(random.between(8, 25), wanted - tracks));
            // Two tracks of an album may draw the same name, or names that
            // differ only in letter case (which a case-blind file system such
            // as exFAT takes for one); the second then draws again.
            std::set<std::string> names;
            for (int t = 1; t <= count; ++t) {
                std::string name;
                do {
                    name = TrackName(random, artist, album, t, underscores);
                } while (!names.insert(AsciiLower(name)).second);
                const off_t size = static_cast<off_t>(random.between(2000, 12000)) * 1024;
                if (!MakeFile(folder + "/" + name, sized(size)))
                    return 1;
            }
            tracks += count;
            // Other files make about a fifth of all files: a quarter of the tracks.
            const int extras = std::min<int>(static_cast<int>(kOtherFiles.size()),
                                             random.between(count / 4 - 2, count / 4 + 2));
            std::vector<bool> used(kOtherFiles.size(), false);
            for (int e = 0; e < extras; ++e) {
                int k = random.below(static_cast<int>(kOtherFiles.size()));
                while (used[static_cast<size_t>(k)])
                    k = (k + 1) % static_cast<int>(kOtherFiles.size());
                used[static_cast<size_t>(k)] = true;
                if (!MakeFile(folder + "/" + kOtherFiles[static_cast<size_t>(k)],
                              sized(random.between(1, 400) * 1024)))
                    return 1;
                ++others;
            }
        }
    }
    std::printf("%ld tracks, %ld other files, %d artists\n", tracks, others, artistNumber);
    return 0;
}
