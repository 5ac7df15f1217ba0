// The vocabulary itself: one row per kind of word, the words of a row separated by blanks, all
// written folded (full-width ASCII as ASCII). A newsletter that says a thing in a new way needs a
// word here. Longer words that begin with shorter ones need no order: the longest match wins.
#include "extract/generic/vocabulary_rows.h"

namespace velmora::extract::generic {

const std::vector<Row<Label>>& label_rows() {
    static const std::vector<Row<Label>> rows = {
        {Label::Prize,
         "賞品名 賞品 景品 商品名 商品 プレゼント内容 プレゼント品 プレゼント 懸賞品 当選品 品名"},
        {Label::Rank,
         "特賞 特別賞 大賞 金賞 銀賞 銅賞 一等 二等 三等 Wチャンス賞 Wチャンス ダブルチャンス賞 "
         "ダブルチャンス 参加賞"},
        {Label::Deadline,
         "締切 締切日時 応募締切日時 〆切日時 締め切り 締切り 締切日 〆切 〆切り 〆切日 〆 応募締切 "
         "応募締切日 応募締め切り "
         "応募〆切 応募期限 受付期限 期限 受付締切 最終締切 受付終了"},
        {Label::Period, "受付 応募期間 受付期間 募集期間 実施期間 開催期間 キャンペーン期間 期間"},
        {Label::Entry,
         "応募 応募URL 応募先 応募ページ 応募フォーム 応募はこちら 応募する エントリー 申し込み 申込み 申込 "
         "お申込み 参加"},
        {Label::Link, "URL Url url リンク こちら アクセス ページ サイト HP"},
        {Label::None, "応募者 応募総数"},  // words that begin like a label and are none
        {Label::Detail,
         "詳細 詳しくは 詳しく くわしく 公式サイト 商品ページ 特設サイト キャンペーン詳細 詳細ページ "
         "商品詳細 メーカーサイト "
         "特設ページ キャンペーンページ"},
        // "スポンサー：社名" names who offers the prize, as 提供： does.
        {Label::Info,
         "実施 主催者 提供 協賛 主催 当選数 当選者数 当選人数 当選者 人数 対象 応募条件 応募資格 条件 "
         "応募方法 方法 "
         "備考 注意 数量 賞品数 募集人数 スポンサー: スポンサー名 スポンサー企業"},
        {Label::Event, "発表 当選発表 発送 受付開始 開始 抽選日"},
        {Label::Noise, "配信停止 配信解除 購読解除 登録変更 バックナンバー PR 広告 スポンサー"},
    };
    return rows;
}

const std::vector<Row<DateWord>>& date_word_rows() {
    static const std::vector<Row<DateWord>> rows = {
        {DateWord::Deadline,
         "締切 締切日 〆切日 消印有効 当日消印有効 締め切り 締切り 〆切 〆切り 〆 期限 まで 迄 必着 消印 "
         "受付終了 終了 締 ラスト"},
        {DateWord::Period, "期間 実施期間"},
        {DateWord::Event,
         "発表 発送 開始 開催 発売 抽選日 配信 発行 号 更新 公開 掲載 予定 頃 以降 お届け 入荷 スタート 放送 "
         "誕生"},
        {DateWord::Range, "〜 ~ － - – — ‐ から より ― ⇒"},
    };
    return rows;
}

const std::vector<Row<Cue>>& cue_rows() {
    static const std::vector<Row<Cue>> rows = {
        {Cue::Prize,
         "プレゼント 当たる 当選 抽選 賞品 懸賞 ギフト 券 招待 ペア モニター 全員 名様 円分 円相当 セット "
         "詰め合わせ 詰合せ "
         "もらえる カード 商品券 旅行 食事券 ポイント 応募 締切 〆"},
        {Cue::Sponsor, "PR 広告 スポンサー 協賛企業 提供広告 タイアップ"},
        // The newsletter's own business: unsubscribing, back numbers, reports, its column and news.
        {Cue::Admin,
         "配信停止 配信解除 購読解除 登録解除 解除 登録変更 アドレス変更 配信先変更 変更 退会 バックナンバー "
         "過去の号 過去ログ "
         "当選報告 当選者の声 紹介者 紹介URL 紹介コード 友達紹介 ご紹介ください 編集後記 目次 発行者 発行元 "
         "発行 運営 "
         "問い合わせ 問合せ ご意見 ご感想 Copyright (C) © 転載 購読 編集部 アンケートのお願い ご協力 "
         "読者アンケート 誌面 "
         "コラム 次号 お知らせ あいさつ 挨拶 事務局"},
        {Cue::Weak,
         "Instagram Twitter Facebook YouTube ホームページ ギャラリー 更新 ブログ フォロー SNS 公式アカウント "
         "トップページ "
         "メルマガ 友達"},
    };
    return rows;
}

const std::vector<std::string_view>& counter_words() {
    // Counters after a number of prizes or winners ("3名", "10組", "1,000円分").
    static const std::vector<std::string_view> words = {
        "名", "組",     "人",     "本",   "個",     "点",     "枚", "台", "箱", "袋", "缶", "口",
        "泊", "セット", "ケース", "円分", "円相当", "万円分", "kg", "足", "着", "冊", "食",
    };
    return words;
}

}  // namespace velmora::extract::generic
