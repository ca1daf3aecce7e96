#include "core/Vocabularies.h"

#include <array>
#include <string_view>

#include "core/Utilities.h"

namespace quill {

namespace {

// The named lists, letter for letter. Irregular spellings ("BusinessunitDescription",
// "Header.DepartmenDescription", ...) are what customers' designs refer to.

constexpr std::array<std::string_view, 50> kVekLegacyNames = {
    "RelationNumber", "RelationNameShort", "RelationName", "DeliveryAddressRelation", "DebitorNumber",
    "TextFromConfiguration", "DepartmentNumber", "DepartmentDescription", "WearerNumber", "WearerNameShort",
    "WearerName", "AdministrationNumber", "LockerNumber", "CompartmentNumber", "FunctionCode",
    "FunctionDescription", "IDCodeNumberPWB", "LastInsetDate", "ContractEndDate", "Department",
    "ResidentNumber", "ResidentName", "ResidentSearchName", "IDCodeNumberBKL", "RoomNumber",
    "WashProcessPWB", "FixedText", "ArticleNumber1", "AlterationCode", "GarmentCode",
    "SizeCode", "SortingStation", "ArticleNumber2", "WashProcessBKL", "SetSequenceNumber",
    "RentNumber", "ResidentFreeText", "ProcessNumber", "SortingStationDescription", "SizeDescription",
    "FirstInsetDate", "SystemDate", "WearerRemark", "MinimumQuality", "SortingNumber",
    "DepartmentRemark", "Gender", "Quality", "InsetQuality", "ArticleDescription",
};

constexpr std::array<std::string_view, 74> kCorvaneNames = {
    "PlantCode", "PlantName", "BusinessUnitCode", "BusinessunitDescription", "CustomerNumber",
    "CustomerSearchName", "CustomerName", "CustomerMarkInGarment", "BillToCustomerNumber", "RouteNumber",
    "RouteDrivingDay", "RouteStop", "DepartmentNumber", "DepartmentDescription", "ConsumptionPointNumber",
    "ConsumptionPointDescription", "DeliveryPointCode", "DeliveryPointDescription", "WearerNumber",
    "WearerAdminNumber", "WearerSearchName", "WearerName", "WearerEmblemName", "EmploymentNumber", "Sex",
    "GarmentDispenser", "Bank", "Locker", "FunctionCode", "FunctionDescription", "ProductCode",
    "ProductDescription", "StyleCode", "StyleDescription", "SizeCode", "SizeDescription",
    "FinishingMethodCode", "FinishingMethodDescription", "ModificationCode1", "ModificationCode2",
    "ModificationCode3", "MinimumQualityGradeCode", "EmblemTemplateCode", "FabricCode", "FabricDescription",
    "WashProcessCode", "WashProcessSortCode", "IDCode", "SecondaryIDCode", "FirstIssueDate", "LastIssueDate",
    "EndContractDate", "GarmentSequenceNumber", "QualitygradeCode", "IssueReferenceWeek", "InventoryRemark",
    "WearerFirstName", "WearerRemark", "DepartmentCodeLegacy", "CustomerOwned", "Street", "Zipcode", "City",
    "EndDateFullRentRefWeek", "RouteCodeOnLabel", "RouteCode", "RouteStopSortSequence",
    "RouteDrivingDayNumber", "CurtainWeight", "CurtainWidth", "CurtainLength", "CurtainRoomNumber",
    "InvoiceBusinessUnitCode", "InvoiceBusinessUnitDescription",
};

constexpr std::array<std::string_view, 36> kCorvanePWBNames = {
    "PlantCode", "PlantName", "BusinessUnitCode", "BusinessUnitName", "CustomerNumber", "CustomerName",
    "CustomerSearchName", "CustomerLabelName", "RouteNumber", "RouteDrivingDate", "RouteStop",
    "DepartmentNumber", "DepartmentDescription", "RoomNumber", "ConsumptionPointNumber",
    "ConsumptionPointDescription", "DeliveryPointCode", "DeliveryPointDescription", "ClientNumber",
    "ClientName", "ClientSearchName", "ClientLabelName", "ClientFirstName", "ClientAdminNumber",
    "ProductCode", "ProductDescription", "SizeCode", "SizeDescription", "FinishingMethodCode",
    "FinishingMethodDescription", "WashProcessNumber", "WashProcessDescription", "IDCode",
    "SecondaryIDCode", "LabelTextPerClient", "PreSortNumber",
};

constexpr std::array<std::string_view, 24> kTamberNames = {
    "CustomerNumber", "CustomerName", "DepartmentNumber", "DepartmentName", "WearerNumber",
    "WearerAdmincode", "WearerName", "WearerMaidenname", "WearerInitials", "WearerInsertion",
    "WearerLocation", "WearerFunction", "WearerLocker", "WearerCompartment", "WearerKeynumber",
    "ProductgroupCode", "ProductgroupDescription", "ProductsizeDescription", "ProductDescription",
    "CodeID", "CodeInsetDate", "CodeExpirationDate", "CodeAlteration", "CodeRemark",
};

constexpr std::array<std::string_view, 45> kOrsHeaderNames = {
    "Header.Type", "Header.PlantCode", "Header.PlantName", "Header.BusinessUnitCode",
    "Header.BusinessUnitDescription", "Header.CustomerNumber", "Header.CustomerSearchName",
    "Header.CustomerName", "Header.DepartmentNumber", "Header.DepartmenDescription",
    "Header.ConsumptionPointNumber", "Header.ConsumptionPointDescription", "Header.DeliveryPointCode",
    "Header.DeliveryPointDescription", "Header.ProductCode", "Header.ProductDescription", "Header.SizeCode",
    "Header.SizeDescription", "Header.FinishingMethodCode", "Header.FinishingMethodDescription",
    "Header.FabricCode", "Header.FabricDescription", "Header.IDCode", "Header.ExpirationDate",
    "Header.Sterile", "Header.SterileProcessCode", "Header.SterileProcessDescription", "Header.ChargeNumber",
    "Header.SterileTime", "Header.SterileTemperature", "Header.SterileSortCode", "Header.ProductionDate",
    "Header.CreationEmployeeNumber", "Header.CreationEmployeeName", "Header.EANNumber",
    "Header.CustomerProductDescription", "Header.ForeignProductDescription", "Header.CustomerSizeDescription",
    "Header.ForeignSizeDescription", "Header.CustomerFinishingMethodDescription",
    "Header.ForeignFinishingMethodDescription", "Header.CustomerFabricDescription",
    "Header.ForeignFabricDescription", "Header.CustomerSterileProcessDescription",
    "Header.ForeignSterileProcessDescription",
};

constexpr std::array<std::string_view, 15> kOrsRowWords = {
    "Type", "RowNumber", "ProductCode", "ProductDescription", "Quantity", "Unique", "Remark",
    "CustomerProductDescription", "ForeignProductDescription", "SizeCode", "CustomerSizeDescription",
    "ForeignSizeDescription", "FinishingMethodCode", "CustomerFinishingMethodDescription",
    "ForeignFinishingMethodDescription",
};
constexpr int kOrsRows = 30;

std::string TwoDigits(int number) { return PadLeftZeros(std::to_string(number), 2); }

// prefix + "_" + two-digit number for each position, all text.
std::vector<TField> NumberedFields(const std::string& prefix, int count) {
    std::vector<TField> fields;
    fields.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) fields.push_back({prefix + "_" + TwoDigits(i), "Text"});
    return fields;
}

template <std::size_t N>
void AppendNamed(std::vector<TField>& fields, const std::array<std::string_view, N>& names) {
    for (std::string_view name : names) fields.push_back({std::string(name), "Text"});
}

template <std::size_t N>
std::vector<TField> NamedFields(const std::array<std::string_view, N>& names) {
    std::vector<TField> fields;
    fields.reserve(N);
    AppendNamed(fields, names);
    return fields;
}

std::vector<TField> ManualFields() {
    std::vector<TField> fields = NumberedFields("Field", 16);
    for (int i = 0; i < 2; ++i) fields[static_cast<std::size_t>(i)] = {"Field_" + TwoDigits(i + 1) + "_Barcode", "Barcode"};
    return fields;
}

// 45 header names, then 30 blocks of 15: "Row.01.Type" ... "Row.30.ForeignFinishingMethodDescription".
std::vector<TField> OrsFields() {
    std::vector<TField> fields;
    fields.reserve(kOrsHeaderNames.size() + kOrsRows * kOrsRowWords.size());
    AppendNamed(fields, kOrsHeaderNames);
    for (int row = 1; row <= kOrsRows; ++row)
        for (std::string_view word : kOrsRowWords)
            fields.push_back({"Row." + TwoDigits(row) + "." + std::string(word), "Text"});
    return fields;
}

}  // namespace

std::vector<TField> BuildVocabulary(TMode m) {
    switch (m) {
        case TMode::Legacy: return NumberedFields("Line", 16);
        case TMode::VekLegacy: return NamedFields(kVekLegacyNames);
        case TMode::Manual: return ManualFields();
        case TMode::Corvane:
        case TMode::Direct: return NamedFields(kCorvaneNames);
        case TMode::CorvanePWB: return NamedFields(kCorvanePWBNames);
        case TMode::Tamber: return NamedFields(kTamberNames);
        case TMode::DirectORS:
        case TMode::CorvaneORS: return OrsFields();
    }
    return {};
}

}  // namespace quill
