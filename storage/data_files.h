#pragma once
// The files of the data folder ("Files/DBI/" under the program folder) and
// their record lengths.

#include <cstddef>

namespace storage {

inline constexpr const char* kDataFolderRelative = "Files/DBI/";

inline constexpr const char* kTicketFile = "oottormo.vlk";
inline constexpr const char* kDrugFile = "DrugOP.vlk";
inline constexpr const char* kSettingsFile = "PIOP.vlk";
inline constexpr const char* kReceiptFile = "In99.vlk";
inline constexpr const char* kSupplierFile = "Mrd99.vlk";
inline constexpr const char* kPatientFile = "nfqpatient.vlk";
inline constexpr const char* kHospitalFile = "hospitals.vlk";
inline constexpr const char* kSubDeviceStampFile = "peos.vlk";
inline constexpr const char* kNetworkStampFile = "network.txt";
inline constexpr const char* kLegacyTicketFile = "qzd-a-oot.vlk";

inline constexpr std::size_t kDefaultRecordLength = 128;

inline constexpr std::size_t kMaxTickets = 500000;
inline constexpr std::size_t kMaxDrugs = 1500;
inline constexpr std::size_t kMaxReceipts = 5000;
inline constexpr std::size_t kMaxSuppliers = 50;
inline constexpr std::size_t kMaxPatients = 30000;
inline constexpr std::size_t kMaxHospitals = 500;

}  // namespace storage
