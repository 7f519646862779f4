// The setting "Haraimodoshi Info Get Time": the minute of the day's
// automatic payout fetch and two switches, packed into one integer
// T = (report ? 20000 : 0) + (auto ? 10000 : 0) + hour * 100 + minute.
#pragma once

namespace clientdata {

struct PayoutFetchTime {
    int hour = 0;
    int minute = 0;
    bool autoFetch = false;    // 自動取得機能を使用する
    bool writeReport = false;  // 取得後払戻情報ファイルを生成する
};

constexpr int kAutoFetchFlag = 10000;
constexpr int kWriteReportFlag = 20000;

// The parts of a stored value.  Each switch is on when T divided by its flag
// is odd, so a hand-written 31650 means both switches and 16:50.
constexpr PayoutFetchTime UnpackPayoutFetchTime(int t) {
    return {t / 100 % 100, t % 100, t / kAutoFetchFlag % 2 != 0, t / kWriteReportFlag % 2 != 0};
}

constexpr int PackPayoutFetchTime(const PayoutFetchTime& time) {
    return (time.writeReport ? kWriteReportFlag : 0) + (time.autoFetch ? kAutoFetchFlag : 0) + time.hour * 100 +
           time.minute;
}

}  // namespace clientdata
