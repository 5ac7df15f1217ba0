#include "heavy_user.h"

#include <cstdio>
#include <random>

#include "store/store.h"

namespace bench {
namespace {

constexpr int kSites = 6000;
const char* const kDomains[] = {".co.jp", ".jp", ".com", ".ne.jp", ".or.jp"};
const char* const kWords[] = {"present", "kenshou", "campaign", "gift", "lucky", "chance", "prize", "win"};
const char* const kDirs[] = {"campaign", "present", "cp", "entry", "event"};

std::string date_text(int year, int month, int day) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", year, month, day);
    return buffer;
}

class Maker {
public:
    explicit Maker(unsigned seed) : m_random(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // Popular sites come up far more often than the rest, as they do in a real history.
    int site() {
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
        return static_cast<int>(u * u * u * kSites);
    }

    std::string host(int site) const {
        return "www." + std::string(kWords[site % 8]) + std::to_string(site) + kDomains[site % 5];
    }

    // Contest pages in a directory of the site, or a query on its front page.
    std::string url(int site) {
        const std::string base = "http://" + host(site) + "/";
        const int id = pick(1, 99999);
        switch (pick(0, 3)) {
            case 0:
                return base + "?id=" + std::to_string(id);
            case 1:
                return base + kDirs[site % 5] + "/" + std::to_string(id) + "/entry.html";
            default:
                return base + kDirs[site % 5] + "/" + std::to_string(id) + "/";
        }
    }

    std::string date_before_today() {
        const int year = pick(1996, 2001);
        const int month = year == 2001 ? pick(1, 4) : pick(1, 12);
        return date_text(year, month, pick(1, 28));
    }
    std::string date_after_today() { return date_text(2001, pick(6, 12), pick(1, 28)); }

private:
    std::mt19937 m_random;
};

std::vector<std::string> profile_texts() {
    const char* const rows[] = {"氏名", "ふりがな", "郵便番号", "住所", "電話番号", "メール",    "生年月日",
                                "性別", "職業",     "未既婚",   "家族", "趣味",     "アンケート"};
    const char* const values[] = {"山田花子",
                                  "やまだはなこ",
                                  "150-0001",
                                  "東京都渋谷区神宮前１－２－３",
                                  "03-1234-5678",
                                  "hanako@example.jp",
                                  "1970/04/01",
                                  "女性",
                                  "会社員",
                                  "既婚",
                                  "夫・子供二人",
                                  "懸賞・旅行",
                                  "毎週楽しみにしています"};
    std::vector<std::string> texts;
    for (int row = 0; row < 13; ++row) {
        texts.emplace_back(rows[row]);
        texts.emplace_back(values[row]);
        texts.emplace_back(values[(row + 1) % 13]);
        texts.emplace_back(values[(row + 2) % 13]);
        texts.emplace_back("／");
    }
    return texts;
}

}  // namespace

HeavyUser heavy_user(unsigned seed) {
    Maker maker(seed);
    HeavyUser user;
    user.history.reserve(kHistoryRecords);
    for (long i = 0; i < kHistoryRecords; ++i) {
        const std::string applied = maker.date_before_today();
        // Every tenth contest entered is still open.
        const std::string deadline = i % 10 == 0 ? maker.date_after_today() : applied;
        user.history.push_back(applied + deadline + (deadline == applied ? "1" : "0") + "aaaa" +
                               maker.url(maker.site()));
    }
    for (long i = 0; i < kStockEntries; ++i) {
        user.stock.push_back(maker.date_after_today() + maker.url(maker.site()));
    }
    user.profile = profile_texts();
    for (int i = 0; i < 60; ++i) {
        user.flowchart_lines.push_back("応募フォーム" + std::to_string(i) + "（住所・氏名）%0" +
                                       "0001%T0203%T%D020405%T%U01%L02%R0308%T");
    }
    for (int i = 0; i < 300; ++i) {
        user.id_book.push_back("懸賞サイト" + std::to_string(i) + "/hanako" + std::to_string(i) + "/pass" +
                               std::to_string(i * 7));
    }
    // A third already stocked, a third of sites applied for before, a third new sites.
    for (long i = 0; i < kImportedContests; ++i) {
        switch (i % 3) {
            case 0:
                user.imports.push_back(
                    user.stock[static_cast<std::size_t>(maker.pick(0, kStockEntries - 1))]);
                break;
            case 1:
                user.imports.push_back(maker.date_after_today() + maker.url(maker.site()));
                break;
            default:
                user.imports.push_back(maker.date_after_today() + maker.url(kSites + static_cast<int>(i)));
                break;
        }
    }
    user.new_contest = "2001/06/30" + maker.url(kSites + 99999);
    return user;
}

std::string import_text(const HeavyUser& user) {
    std::string text;
    for (const std::string& line : user.imports) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void write_files(const HeavyUser& user, const std::filesystem::path& dir) {
    using namespace velmora;
    store::save_window_file(dir, 3000, 9000, user.profile);
    store::save_history(dir, user.history);
    store::write_lines(dir / store::kFlowchartFile, user.flowchart_lines);
    store::save_id_book(dir, user.id_book);
    store::save_stock(dir, user.stock);
}

std::vector<std::filesystem::path> start_files(const std::filesystem::path& dir) {
    using namespace velmora;
    return {dir / store::kWindowFile, dir / store::kHistoryFile, dir / store::kFlowchartFile,
            dir / store::kIdBookFile, dir / store::kStockFile};
}

}  // namespace bench
