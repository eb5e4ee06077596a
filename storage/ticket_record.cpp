#include "storage/ticket_record.h"

#include <algorithm>

namespace storage {

std::int32_t ProbeTicketCount(const std::filesystem::path& file, TicketTable& table,
                              IoStatus* status) {
  for (std::int32_t k = 1; k <= 6; ++k) {
    std::int32_t probe = 10000 * k * (k + 1);
    std::size_t n = static_cast<std::size_t>(probe);
    // Read into a record of its own: a table smaller than the file still
    // probes the whole file and is only given the records it can hold.
    TicketRecord record;
    IoStatus s = ReadRecords(file, TicketRecord::kLength, n, 1, record.bytes());
    if (!s && status) *status = s;
    if (table.Contains(n)) table[n] = record;
    if (record.IsEmpty()) return probe;
  }
  return static_cast<std::int32_t>(kMaxTickets);
}

IoStatus LoadTickets(const std::filesystem::path& file, TicketTable& table, std::int32_t& count,
                     const std::function<void()>& yield) {
  if (count < 100) count = static_cast<std::int32_t>(kMaxTickets);
  std::size_t last = std::min<std::size_t>(static_cast<std::size_t>(count), table.capacity());
  // Blocks of records keep the reads large while letting the start-up window
  // animate.
  constexpr std::size_t kBlock = 5000;
  for (std::size_t first = 1; first <= last; first += kBlock) {
    IoStatus s = table.Load(file, first, std::min(last, first + kBlock - 1));
    if (!s) return s;
    if (yield) yield();
  }
  return IoStatus::Ok();
}

}  // namespace storage
