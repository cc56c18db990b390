#pragma once

#include "jvdata/RaceRecord.h"

namespace zefa {

// An odds record (O1 … O6): its race and the time its odds were announced. Odds fields are given
// as their raw text, since "----" and "****" (cancelled) must be told from blanks by their text;
// as numbers they are tenths ("0123" is 12.3).
class OddsRecordView : public RaceRecordView {
public:
    static constexpr Field AnnouncedAt{28, 8}; // 発表月日時分 (mmddhhmm)

    OddsRecordView(std::string_view bytes, RecordKind kind) : RaceRecordView(bytes, kind) {}

    std::string_view announcedAt() const { return field(AnnouncedAt); }
};

// O1: win, place and bracket-quinella odds. Win and place entries are by horse number, read by
// position (the entry's own 馬番 is not consulted); bracket-quinella entry k is ComboOrdinal k.
class O1Record : public OddsRecordView {
public:
    static constexpr Block Win{44, 28, 8};          // 単勝オッズ
    static constexpr Field WinHorseNumber{1, 2};    //   馬番
    static constexpr Field WinOdds{3, 4};           //   オッズ
    static constexpr Field WinPopularity{7, 2};     //   人気順
    static constexpr Block Place{268, 28, 12};      // 複勝オッズ
    static constexpr Field PlaceHorseNumber{1, 2};  //   馬番
    static constexpr Field PlaceOddsLow{3, 4};      //   最低オッズ
    static constexpr Field PlaceOddsHigh{7, 4};     //   最高オッズ
    static constexpr Field PlacePopularity{11, 2};  //   人気順
    static constexpr Block BracketQuinella{604, 36, 9}; // 枠連オッズ
    static constexpr Field BracketCombination{1, 2};    //   組番
    static constexpr Field BracketOdds{3, 5};           //   オッズ
    static constexpr Field BracketPopularity{8, 2};     //   人気順

    explicit O1Record(std::string_view bytes) : OddsRecordView(bytes, RecordKind::O1) {}

    // Horse h = 1..28 (horses 1..18 are read).
    std::string_view winOddsText(int h) const { return field(Win.field(h, WinOdds)); }
    long long winOdds(int h) const { return number(Win.field(h, WinOdds)); }
    int winPopularity(int h) const { return int(number(Win.field(h, WinPopularity))); }
    std::string_view placeOddsLowText(int h) const { return field(Place.field(h, PlaceOddsLow)); }
    long long placeOddsLow(int h) const { return number(Place.field(h, PlaceOddsLow)); }
    std::string_view placeOddsHighText(int h) const { return field(Place.field(h, PlaceOddsHigh)); }
    int placePopularity(int h) const { return int(number(Place.field(h, PlacePopularity))); }
    // Ordinal k = 1..36.
    std::string_view bracketQuinellaCombination(int k) const {
        return field(BracketQuinella.field(k, BracketCombination));
    }
    std::string_view bracketQuinellaOddsText(int k) const { return field(BracketQuinella.field(k, BracketOdds)); }
    long long bracketQuinellaOdds(int k) const { return number(BracketQuinella.field(k, BracketOdds)); }
    int bracketQuinellaPopularity(int k) const { return int(number(BracketQuinella.field(k, BracketPopularity))); }
};

// A record of one block of combination odds whose entry k is ComboOrdinal k. `Layout` names
// the block (`Entries`) and the entry fields `Combination`, `Odds` and `Popularity`.
template <class Layout>
class ComboOddsRecord : public OddsRecordView {
public:
    explicit ComboOddsRecord(std::string_view bytes) : OddsRecordView(bytes, Layout::Kind) {}

    static constexpr int ordinals() { return Layout::Entries.entries; }

    // Ordinal k = 1..ordinals().
    std::string_view combination(int k) const { return field(Layout::Entries.field(k, Layout::Combination)); }
    std::string_view oddsText(int k) const { return field(Layout::Entries.field(k, Layout::Odds)); }
    long long odds(int k) const { return number(Layout::Entries.field(k, Layout::Odds)); }
    int popularity(int k) const { return int(number(Layout::Entries.field(k, Layout::Popularity))); }
};

// O2: quinella odds.
class O2Record : public ComboOddsRecord<O2Record> {
public:
    static constexpr RecordKind Kind = RecordKind::O2;
    static constexpr Block Entries{41, 153, 13}; // 馬連オッズ
    static constexpr Field Combination{1, 4};    //   組番
    static constexpr Field Odds{5, 6};           //   オッズ
    static constexpr Field Popularity{11, 3};    //   人気順

    using ComboOddsRecord::ComboOddsRecord;
};

// O3: quinella-place (wide) odds; `Odds` is the lower bound, the one the analysis reads.
class O3Record : public ComboOddsRecord<O3Record> {
public:
    static constexpr RecordKind Kind = RecordKind::O3;
    static constexpr Block Entries{41, 153, 17}; // ワイドオッズ
    static constexpr Field Combination{1, 4};    //   組番
    static constexpr Field Odds{5, 5};           //   最低オッズ
    static constexpr Field OddsHigh{10, 5};      //   最高オッズ
    static constexpr Field Popularity{15, 3};    //   人気順

    using ComboOddsRecord::ComboOddsRecord;

    std::string_view oddsHighText(int k) const { return field(Entries.field(k, OddsHigh)); }
};

// O4: exacta odds.
class O4Record : public ComboOddsRecord<O4Record> {
public:
    static constexpr RecordKind Kind = RecordKind::O4;
    static constexpr Block Entries{41, 306, 13}; // 馬単オッズ
    static constexpr Field Combination{1, 4};    //   組番
    static constexpr Field Odds{5, 6};           //   オッズ
    static constexpr Field Popularity{11, 3};    //   人気順

    using ComboOddsRecord::ComboOddsRecord;
};

// O5: trio odds.
class O5Record : public ComboOddsRecord<O5Record> {
public:
    static constexpr RecordKind Kind = RecordKind::O5;
    static constexpr Block Entries{41, 816, 15}; // 3連複オッズ
    static constexpr Field Combination{1, 6};    //   組番
    static constexpr Field Odds{7, 6};           //   オッズ
    static constexpr Field Popularity{13, 3};    //   人気順

    using ComboOddsRecord::ComboOddsRecord;
};

// O6: trifecta odds.
class O6Record : public ComboOddsRecord<O6Record> {
public:
    static constexpr RecordKind Kind = RecordKind::O6;
    static constexpr Block Entries{41, 4896, 17}; // 3連単オッズ
    static constexpr Field Combination{1, 6};     //   組番
    static constexpr Field Odds{7, 7};            //   オッズ
    static constexpr Field Popularity{14, 4};     //   人気順

    using ComboOddsRecord::ComboOddsRecord;
};

} // namespace zefa
