// Packing orders and session records into bytes, and back.
#include "runs/session_message.h"

#include <cstring>
#include <type_traits>
#include <vector>

namespace quorvel {
namespace {

template <typename T>
void Put(std::string& bytes, const T& value) {
  static_assert(std::is_trivially_copyable_v<T>);
  bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
void PutList(std::string& bytes, const std::vector<T>& values) {
  static_assert(std::is_trivially_copyable_v<T>);
  Put(bytes, static_cast<uint64_t>(values.size()));
  bytes.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
}

// Reads off the front of the bytes; once they run short every later read fails too.
class Reader {
 public:
  explicit Reader(std::string_view& bytes) : bytes_(bytes) {}
  template <typename T>
  bool Get(T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (bytes_.size() < sizeof value) return ok_ = false;
    std::memcpy(&value, bytes_.data(), sizeof value);
    bytes_.remove_prefix(sizeof value);
    return ok_;
  }
  template <typename T>
  bool GetList(std::vector<T>& values) {
    uint64_t count = 0;
    if (!Get(count) || count > bytes_.size() / sizeof(T)) return ok_ = false;
    values.resize(count);
    std::memcpy(values.data(), bytes_.data(), count * sizeof(T));
    bytes_.remove_prefix(count * sizeof(T));
    return ok_;
  }
  bool Ok() const { return ok_; }

 private:
  std::string_view& bytes_;
  bool ok_ = true;
};

void PutMarks(std::string& bytes, const BankrollMarks& marks) {
  Put(bytes, marks.largestStake);
  Put(bytes, marks.largestDrawdown);
  Put(bytes, marks.ruined);
  Put(bytes, marks.requiredBankroll);
  PutList(bytes, marks.walk);
}

void GetMarks(Reader& in, BankrollMarks& marks) {
  in.Get(marks.largestStake);
  in.Get(marks.largestDrawdown);
  in.Get(marks.ruined);
  in.Get(marks.requiredBankroll);
  in.GetList(marks.walk);
}

}  // namespace

std::string PackOrder(const TestOrder& order) {
  std::string bytes;
  Put(bytes, order.plan);
  Put(bytes, order.settings);
  return bytes;
}

std::optional<TestOrder> UnpackOrder(std::string_view bytes) {
  TestOrder order;
  Reader in(bytes);
  in.Get(order.plan);
  in.Get(order.settings);
  if (!in.Ok() || !bytes.empty()) return std::nullopt;
  return order;
}

void PackSession(int number, const SessionRecord& r, std::string& bytes) {
  Put(bytes, number);
  Put(bytes, r.finished);
  Put(bytes, r.rounds);
  Put(bytes, r.bankroll);
  Put(bytes, r.track);
  Put(bytes, r.handsWon);
  Put(bytes, r.handsLost);
  Put(bytes, r.totalBet);
  Put(bytes, r.winsInRow);
  Put(bytes, r.lossesInRow);
  Put(bytes, r.endCause);
  Put(bytes, r.longestLosingStreak);
  PutMarks(bytes, r.marks);
  Put(bytes, r.flatUnit);
  Put(bytes, r.flatBankroll);
  Put(bytes, r.flatTotalBet);
  PutMarks(bytes, r.flatMarks);
  PutList(bytes, r.trace);
}

std::optional<SessionRecord> UnpackSession(int number, std::string_view& bytes) {
  SessionRecord r;
  Reader in(bytes);
  int carried = 0;
  in.Get(carried);
  in.Get(r.finished);
  in.Get(r.rounds);
  in.Get(r.bankroll);
  in.Get(r.track);
  in.Get(r.handsWon);
  in.Get(r.handsLost);
  in.Get(r.totalBet);
  in.Get(r.winsInRow);
  in.Get(r.lossesInRow);
  in.Get(r.endCause);
  in.Get(r.longestLosingStreak);
  GetMarks(in, r.marks);
  in.Get(r.flatUnit);
  in.Get(r.flatBankroll);
  in.Get(r.flatTotalBet);
  GetMarks(in, r.flatMarks);
  in.GetList(r.trace);
  const auto cause = static_cast<int>(r.endCause);
  if (!in.Ok() || carried != number || cause < 0 || cause > static_cast<int>(SessionEndCause::kStopped)) {
    return std::nullopt;
  }
  return r;
}

}  // namespace quorvel
