#include "extract/generic/vocabulary.h"

#include <cctype>

namespace velmora::extract::generic {
namespace {

template <typename Kind>
struct Word {
    std::string_view text;
    Kind kind;
};

// Longer words that begin with a shorter one need no order: the longest match wins.
constexpr Word<Label> kLabels[] = {
    {"賞品名", Label::Prize}, {"賞品", Label::Prize}, {"景品", Label::Prize}, {"商品名", Label::Prize},
    {"商品", Label::Prize}, {"プレゼント内容", Label::Prize}, {"プレゼント品", Label::Prize},
    {"プレゼント", Label::Prize}, {"懸賞品", Label::Prize}, {"当選品", Label::Prize}, {"品名", Label::Prize},
    {"特賞", Label::Rank}, {"特別賞", Label::Rank}, {"大賞", Label::Rank}, {"金賞", Label::Rank},
    {"銀賞", Label::Rank}, {"銅賞", Label::Rank}, {"一等", Label::Rank}, {"二等", Label::Rank},
    {"三等", Label::Rank}, {"Wチャンス賞", Label::Rank}, {"Wチャンス", Label::Rank},
    {"ダブルチャンス賞", Label::Rank}, {"ダブルチャンス", Label::Rank}, {"参加賞", Label::Rank},
    {"締切", Label::Deadline}, {"締め切り", Label::Deadline}, {"締切り", Label::Deadline},
    {"締切日", Label::Deadline}, {"〆切", Label::Deadline}, {"〆切り", Label::Deadline},
    {"〆切日", Label::Deadline}, {"〆", Label::Deadline}, {"応募締切", Label::Deadline},
    {"応募締切日", Label::Deadline}, {"応募締め切り", Label::Deadline}, {"応募〆切", Label::Deadline},
    {"応募期限", Label::Deadline}, {"受付期限", Label::Deadline}, {"期限", Label::Deadline},
    {"受付締切", Label::Deadline}, {"最終締切", Label::Deadline}, {"受付終了", Label::Deadline},
    {"応募期間", Label::Period}, {"受付期間", Label::Period}, {"募集期間", Label::Period},
    {"実施期間", Label::Period}, {"開催期間", Label::Period}, {"キャンペーン期間", Label::Period},
    {"期間", Label::Period},
    {"応募", Label::Entry}, {"応募URL", Label::Entry}, {"応募先", Label::Entry},
    {"応募ページ", Label::Entry}, {"応募フォーム", Label::Entry}, {"応募はこちら", Label::Entry},
    {"応募する", Label::Entry}, {"エントリー", Label::Entry}, {"申し込み", Label::Entry},
    {"申込み", Label::Entry}, {"申込", Label::Entry}, {"お申込み", Label::Entry}, {"URL", Label::Link},
    {"Url", Label::Link}, {"url", Label::Link}, {"リンク", Label::Link}, {"こちら", Label::Link},
    {"アクセス", Label::Link}, {"参加", Label::Entry}, {"応募者", Label::None}, {"応募総数", Label::None},
    {"詳細", Label::Detail}, {"詳しくは", Label::Detail}, {"詳しく", Label::Detail},
    {"くわしく", Label::Detail}, {"公式サイト", Label::Detail}, {"商品ページ", Label::Detail},
    {"特設サイト", Label::Detail}, {"キャンペーン詳細", Label::Detail}, {"詳細ページ", Label::Detail},
    {"商品詳細", Label::Detail}, {"メーカーサイト", Label::Detail}, {"ページ", Label::Link}, {"サイト", Label::Link},
    {"HP", Label::Link}, {"実施", Label::Info}, {"主催者", Label::Info}, {"特設ページ", Label::Detail}, {"キャンペーンページ", Label::Detail},
    {"提供", Label::Info}, {"協賛", Label::Info}, {"主催", Label::Info}, {"当選数", Label::Info},
    {"当選者数", Label::Info}, {"当選人数", Label::Info}, {"当選者", Label::Info}, {"人数", Label::Info},
    {"対象", Label::Info}, {"応募条件", Label::Info}, {"応募資格", Label::Info}, {"条件", Label::Info},
    {"応募方法", Label::Info}, {"方法", Label::Info}, {"備考", Label::Info}, {"注意", Label::Info},
    {"数量", Label::Info}, {"賞品数", Label::Info}, {"募集人数", Label::Info}, {"発表", Label::Event},
    {"当選発表", Label::Event}, {"発送", Label::Event}, {"受付開始", Label::Event}, {"開始", Label::Event},
    {"抽選日", Label::Event},
    {"配信停止", Label::Noise}, {"配信解除", Label::Noise}, {"購読解除", Label::Noise},
    {"登録変更", Label::Noise}, {"バックナンバー", Label::Noise}, {"PR", Label::Noise},
    {"広告", Label::Noise}, {"スポンサー", Label::Noise},
};

constexpr Word<DateWord> kDateWords[] = {
    {"締切", DateWord::Deadline}, {"締切日", DateWord::Deadline}, {"〆切日", DateWord::Deadline},
    {"消印有効", DateWord::Deadline}, {"当日消印有効", DateWord::Deadline}, {"締め切り", DateWord::Deadline}, {"締切り", DateWord::Deadline},
    {"〆切", DateWord::Deadline}, {"〆切り", DateWord::Deadline}, {"〆", DateWord::Deadline},
    {"期限", DateWord::Deadline}, {"まで", DateWord::Deadline}, {"迄", DateWord::Deadline},
    {"必着", DateWord::Deadline}, {"消印", DateWord::Deadline}, {"受付終了", DateWord::Deadline},
    {"終了", DateWord::Deadline}, {"締", DateWord::Deadline}, {"ラスト", DateWord::Deadline},
    {"期間", DateWord::Period}, {"実施期間", DateWord::Period},
    {"発表", DateWord::Event}, {"発送", DateWord::Event}, {"開始", DateWord::Event},
    {"開催", DateWord::Event}, {"発売", DateWord::Event}, {"抽選日", DateWord::Event},
    {"配信", DateWord::Event}, {"発行", DateWord::Event}, {"号", DateWord::Event},
    {"更新", DateWord::Event}, {"公開", DateWord::Event}, {"掲載", DateWord::Event},
    {"予定", DateWord::Event}, {"頃", DateWord::Event}, {"以降", DateWord::Event},
    {"到着", DateWord::Event}, {"お届け", DateWord::Event}, {"入荷", DateWord::Event},
    {"スタート", DateWord::Event}, {"放送", DateWord::Event}, {"誕生", DateWord::Event},
    {"〜", DateWord::Range}, {"~", DateWord::Range}, {"－", DateWord::Range}, {"-", DateWord::Range},
    {"–", DateWord::Range}, {"—", DateWord::Range}, {"‐", DateWord::Range}, {"から", DateWord::Range},
    {"より", DateWord::Range}, {"―", DateWord::Range}, {"⇒", DateWord::Range},
};

constexpr Word<Cue> kCues[] = {
    {"プレゼント", Cue::Prize}, {"当たる", Cue::Prize}, {"当選", Cue::Prize}, {"抽選", Cue::Prize},
    {"賞品", Cue::Prize}, {"懸賞", Cue::Prize}, {"ギフト", Cue::Prize}, {"券", Cue::Prize},
    {"招待", Cue::Prize}, {"ペア", Cue::Prize}, {"モニター", Cue::Prize}, {"全員", Cue::Prize},
    {"名様", Cue::Prize}, {"円分", Cue::Prize}, {"円相当", Cue::Prize}, {"セット", Cue::Prize},
    {"詰め合わせ", Cue::Prize}, {"詰合せ", Cue::Prize}, {"もらえる", Cue::Prize}, {"カード", Cue::Prize},
    {"商品券", Cue::Prize}, {"旅行", Cue::Prize}, {"食事券", Cue::Prize}, {"ポイント", Cue::Prize},
    {"応募", Cue::Prize}, {"締切", Cue::Prize}, {"〆", Cue::Prize},
    {"PR", Cue::Sponsor}, {"広告", Cue::Sponsor}, {"スポンサー", Cue::Sponsor}, {"協賛企業", Cue::Sponsor},
    {"提供広告", Cue::Sponsor}, {"タイアップ", Cue::Sponsor},
    {"配信停止", Cue::Admin}, {"配信解除", Cue::Admin}, {"購読解除", Cue::Admin}, {"登録解除", Cue::Admin},
    {"解除", Cue::Admin}, {"登録変更", Cue::Admin}, {"アドレス変更", Cue::Admin}, {"配信先変更", Cue::Admin},
    {"変更", Cue::Admin}, {"退会", Cue::Admin}, {"バックナンバー", Cue::Admin}, {"過去の号", Cue::Admin},
    {"過去ログ", Cue::Admin}, {"当選報告", Cue::Admin}, {"当選者の声", Cue::Admin}, {"紹介者", Cue::Admin}, {"紹介URL", Cue::Admin}, {"紹介コード", Cue::Admin},
    {"編集後記", Cue::Admin}, {"目次", Cue::Admin}, {"発行者", Cue::Admin}, {"発行元", Cue::Admin},
    {"発行", Cue::Admin}, {"運営", Cue::Admin}, {"問い合わせ", Cue::Admin}, {"問合せ", Cue::Admin},
    {"ご意見", Cue::Admin}, {"ご感想", Cue::Admin}, {"Copyright", Cue::Admin}, {"(C)", Cue::Admin},
    {"©", Cue::Admin}, {"転載", Cue::Admin}, {"購読", Cue::Admin},
    {"編集部", Cue::Admin}, {"お知らせ", Cue::Admin}, {"あいさつ", Cue::Admin}, {"挨拶", Cue::Admin},
    {"事務局", Cue::Admin}, {"友達紹介", Cue::Admin}, {"ご紹介ください", Cue::Admin},
    {"ホームページ", Cue::Weak}, {"ギャラリー", Cue::Weak}, {"更新", Cue::Weak}, {"ブログ", Cue::Weak}, {"フォロー", Cue::Weak}, {"SNS", Cue::Weak},
    {"公式アカウント", Cue::Weak}, {"トップページ", Cue::Weak}, {"メルマガ", Cue::Weak}, {"友達", Cue::Weak},
};

// Counters after a number of prizes or winners ("3名", "10組", "1,000円分").
constexpr std::string_view kCounters[] = {
    "名", "組", "人", "本", "個", "点", "枚", "台", "箱", "袋", "缶", "口", "泊", "セット",
    "ケース", "円分", "円相当", "万円分", "kg", "足", "着", "冊", "食",
};

template <typename Kind, std::size_t N>
std::pair<Kind, std::size_t> longest(const Word<Kind> (&table)[N], std::string_view s,
                                     std::size_t pos) {
    std::pair<Kind, std::size_t> best{Kind{}, 0};
    if (pos >= s.size()) {
        return best;
    }
    const std::string_view rest = s.substr(pos);
    for (const auto& word : table) {
        if (word.text.size() > best.second && rest.starts_with(word.text)) {
            best = {word.kind, word.text.size()};
        }
    }
    return best;
}

bool is_ascii_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

constexpr std::u32string_view kBullets = U"■□◆◇★☆●○◎▼▽▲△▶▷►▸・♪♫◉◈▣♦♢❖✓✔✿❀♡♥❤→⇒☞▪▫□◯〇※＊*+-";
constexpr std::u32string_view kBannerChars = U"━─═＝=-－―—~〜_＿*＊#＃■□◆◇★☆●○◎▼▽▲△♦♢◈☆彡";

std::size_t utf8_size(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    return b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
}

// A label spaced out for alignment ("締　切", "賞 品"): blanks between its characters are skipped.
// Only tried when a blank follows the first character, so ordinary text costs nothing.
LabelMatch match_spaced_label(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) {
        return {};
    }
    const std::size_t first = utf8_size(s[pos]);
    if (pos + first >= s.size() || s[pos + first] != ' ') {
        return {};
    }
    LabelMatch best;
    for (const auto& word : kLabels) {
        std::size_t w = 0;
        std::size_t p = pos;
        while (w < word.text.size() && p < s.size()) {
            if (s[p] == ' ' && w > 0 && w % utf8_size(word.text[0]) == 0) {
                ++p;
                continue;
            }
            if (s[p] != word.text[w]) {
                break;
            }
            ++p, ++w;
        }
        if (w == word.text.size() && p - pos > best.size) {
            best = {word.kind, p - pos};
        }
    }
    return best;
}

}  // namespace

LabelMatch match_label(std::string_view folded, std::size_t pos) {
    const auto [label, size] = longest(kLabels, folded, pos);
    if (size > 0) {
        return {label, size};
    }
    return match_spaced_label(folded, pos);
}

DateWordMatch match_date_word(std::string_view folded, std::size_t pos) {
    const auto [word, size] = longest(kDateWords, folded, pos);
    return {word, size};
}

CueMatch match_cue(std::string_view folded, std::size_t pos) {
    const auto [cue, size] = longest(kCues, folded, pos);
    if (size == 2 && folded.substr(pos, 2) == "PR") {
        // "PR" is a cue as a word of its own: 【PR】, [PR], "PR:" but not "PRESENT".
        const bool letter_before = pos > 0 && is_ascii_letter(folded[pos - 1]);
        const bool letter_after = pos + 2 < folded.size() && is_ascii_letter(folded[pos + 2]);
        if (letter_before || letter_after) {
            return {};
        }
    }
    return {cue, size};
}

std::size_t match_counter(std::string_view folded, std::size_t pos) {
    std::size_t best = 0;
    const std::string_view rest = pos < folded.size() ? folded.substr(pos) : std::string_view();
    for (const std::string_view word : kCounters) {
        if (word.size() > best && rest.starts_with(word)) {
            best = word.size();
        }
    }
    // "4人分" counts servings, not winners.
    return rest.starts_with("人分") ? 0 : best;
}

int bullet_index(char32_t c) {
    const std::size_t at = kBullets.find(c);
    return at == std::u32string_view::npos ? -1 : static_cast<int>(at);
}

bool is_rule_char(char32_t c) {
    if (c >= 0x2500 && c <= 0x257F) {  // box drawing
        return true;
    }
    return is_banner_char(c) || c == U'ー' || c == U'・' || c == U'.' || c == U'…' || c == U'‥' ||
           c == U'※' || c == U'♪' || c == U'+' || c == U'＋' || c == U'‐' || c == U'–' || c == U'・';
}

bool is_banner_char(char32_t c) {
    if (c >= 0x2500 && c <= 0x257F) {
        return true;
    }
    return kBannerChars.find(c) != std::u32string_view::npos;
}

}  // namespace velmora::extract::generic
