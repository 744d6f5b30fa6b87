// The demo company's goods: spare parts, tools, lubricants and machines
// bought abroad, with their units, bar codes, the vendors' own part codes and
// prices; the import services; warehouses, lots and import lots.

#include "server/demo/DemoSupport.h"

#include "platform/data/Database.h"

#include <QStringList>

#include <cmath>

namespace zelt::server::demo {

namespace {

// Units as "name:fraction:roles", roles S sale, P purchase, T stock, M the
// smallest unit. Fraction is the number of smallest units in one unit.
struct Item {
    const char* code;
    const char* thaiName;
    const char* engName;
    const char* ptype;
    const char* pgroup;
    const char* units;
    const char* vendor;     // the foreign vendor it is bought from
    const char* vendorCode; // the vendor's own part code
    double price;           // the vendor's price of one smallest unit, in the vendor's currency
    bool lots;              // lot-controlled (lubricants and chemicals expire)
    const char* warehouse;
    double weight; // kilograms per smallest unit
};

const char kPieceBoxCarton[] = "ชิ้น:1:SM,กล่อง:12:SPT,ลัง:48:P";
const char kEachBoxOf10[] = "ตัว:1:SPTM,กล่อง:10:P";
const char kMachine[] = "เครื่อง:1:SPTM";
const char kSet[] = "ชุด:1:SPTM";
const char kMetreRoll50[] = "เมตร:1:STM,ม้วน:50:SP";
const char kMetreRoll100[] = "เมตร:1:STM,ม้วน:100:SP";
const char kBitBoxOf10[] = "ดอก:1:STM,กล่อง:10:SP";
const char kInsertBoxOf10[] = "เม็ด:1:SM,กล่อง:10:SPT";
const char kLitrePailDrum[] = "ลิตร:1:SM,ถัง:20:SPT,ดรัม:200:P";
const char kKiloPail[] = "กิโลกรัม:1:SM,ถัง:18:SPT";
const char kCanBoxCarton[] = "กระป๋อง:1:SM,กล่อง:12:SPT,ลัง:48:P";
const char kTubeBoxCarton[] = "หลอด:1:SM,กล่อง:12:SPT,ลัง:48:P";
const char kBeltBoxOf10[] = "เส้น:1:SPTM,กล่อง:10:P";
const char kBladeBoxOf5[] = "ใบ:1:STM,กล่อง:5:SP";
const char kService[] = "ครั้ง:1:SPTM";

const Item kItems[] = {
    // Bearings from Japan.
    {"BRG-6204ZZ", "ตลับลูกปืนเม็ดกลม 6204ZZ", "Deep groove ball bearing 6204ZZ", "SPARE", "BRG", kPieceBoxCarton,
     "JP-TKB", "6204ZZCM", 385, false, "WH03", 0.11},
    {"BRG-6205-2RS", "ตลับลูกปืนเม็ดกลม 6205-2RS", "Deep groove ball bearing 6205-2RS", "SPARE", "BRG",
     kPieceBoxCarton, "JP-TKB", "6205-2RSCM", 440, false, "WH03", 0.13},
    {"BRG-6305ZZ", "ตลับลูกปืนเม็ดกลม 6305ZZ", "Deep groove ball bearing 6305ZZ", "SPARE", "BRG", kPieceBoxCarton,
     "JP-TKB", "6305ZZCM", 690, false, "WH03", 0.23},
    {"BRG-NU206", "ตลับลูกปืนเม็ดทรงกระบอก NU206", "Cylindrical roller bearing NU206", "SPARE", "BRG",
     kEachBoxOf10, "JP-TKB", "NU206ETC3", 2450, false, "WH03", 0.30},
    {"BRG-22210E", "ตลับลูกปืนเม็ดโค้งสองแถว 22210E", "Spherical roller bearing 22210E", "SPARE", "BRG",
     kEachBoxOf10, "JP-TKB", "22210EAKE4", 6800, false, "WH03", 0.61},
    {"BRG-UCP205", "ตุ๊กตาลูกปืน UCP205", "Pillow block bearing unit UCP205", "SPARE", "BRG", kEachBoxOf10,
     "JP-TKB", "UCP205D1", 1950, false, "WH03", 0.80},
    // Hydraulics from the USA.
    {"HYD-PMP-A10", "ปั๊มไฮดรอลิกลูกสูบ 28 ซีซี", "Axial piston pump 28 cc/rev", "SPARE", "HYD", kMachine, "US-MWH",
     "MWP-A10-28DR", 2380, false, "WH01", 15.5},
    {"HYD-VLV-4WE6", "โซลินอยด์วาล์วไฮดรอลิก 4/3 NG6 24VDC", "Directional solenoid valve 4/3 NG6 24VDC", "SPARE",
     "HYD", kEachBoxOf10, "US-MWH", "MWV-D03-4WE6J", 265, false, "WH01", 1.45},
    {"HYD-CYL-50100", "กระบอกไฮดรอลิก 50x100 มม.", "Hydraulic cylinder bore 50 stroke 100 mm", "SPARE", "HYD",
     kEachBoxOf10, "US-MWH", "MWC-50-100-TR", 410, false, "WH01", 6.20},
    {"HYD-HOSE-R2-12", "สายไฮดรอลิก 2 ชั้นลวด 3/4 นิ้ว", "Hydraulic hose SAE 100R2AT 3/4 inch", "SPARE", "HYD",
     kMetreRoll50, "US-MWH", "MWH-R2-12", 11.80, false, "WH01", 0.85},
    {"HYD-FIT-JIC12", "ข้อต่อไฮดรอลิก JIC 3/4 นิ้ว", "JIC 37 degree fitting 3/4 inch", "SPARE", "HYD",
     kPieceBoxCarton, "US-MWH", "MWF-JIC-12-12", 7.40, false, "WH01", 0.12},
    {"HYD-FLT-RE10", "ไส้กรองน้ำมันไฮดรอลิก 10 ไมครอน", "Hydraulic return filter element 10 micron", "SPARE",
     "HYD", kEachBoxOf10, "US-MWH", "MWE-R10-160", 38.50, false, "WH01", 0.40},
    {"HYD-GAU-250", "เกจวัดแรงดัน 0-250 บาร์ หน้าปัด 63 มม.", "Pressure gauge 0-250 bar 63 mm", "SPARE", "HYD",
     kEachBoxOf10, "US-MWH", "MWG-63-250G", 21.90, false, "WH01", 0.18},
    // Pneumatics from China.
    {"PNU-CYL-3250", "กระบอกลม 32x50 มม.", "Pneumatic cylinder 32x50 mm ISO 15552", "SPARE", "PNU",
     kEachBoxOf10, "CN-NDP", "DH-SC32X50", 168, false, "WH01", 0.65},
    {"PNU-CYL-63200", "กระบอกลม 63x200 มม.", "Pneumatic cylinder 63x200 mm ISO 15552", "SPARE", "PNU",
     kEachBoxOf10, "CN-NDP", "DH-SC63X200", 395, false, "WH01", 2.10},
    {"PNU-VLV-52", "โซลินอยด์วาล์วลม 5/2 ทาง 1/4 นิ้ว", "5/2-way solenoid valve 1/4 inch 24VDC", "SPARE", "PNU",
     kEachBoxOf10, "CN-NDP", "DH-4V210-08", 86, false, "WH01", 0.32},
    {"PNU-FRL-12", "ชุดกรองลมปรับแรงดันพร้อมน้ำมัน 1/2 นิ้ว", "Filter regulator lubricator unit 1/2 inch", "SPARE",
     "PNU", kEachBoxOf10, "CN-NDP", "DH-AC4010-04", 142, false, "WH01", 0.95},
    {"PNU-FIT-PC8", "ข้อต่อลมเสียบสาย 8 มม. เกลียว 1/4 นิ้ว", "Push-in fitting 8 mm x 1/4 inch", "SPARE", "PNU",
     kPieceBoxCarton, "CN-NDP", "DH-PC8-02", 2.60, false, "WH01", 0.02},
    {"PNU-TUBE-8", "สายลมโพลียูรีเทน 8 มม.", "Polyurethane air tube 8 mm", "SPARE", "PNU", kMetreRoll100,
     "CN-NDP", "DH-PU0805-BL", 2.10, false, "WH01", 0.03},
    {"PNU-SIL-14", "ตัวเก็บเสียงลมทองเหลือง 1/4 นิ้ว", "Brass pneumatic silencer 1/4 inch", "SPARE", "PNU",
     kPieceBoxCarton, "CN-NDP", "DH-BSL-02", 3.20, false, "WH01", 0.02},
    // Sensors from Germany.
    {"SEN-IND-M12", "เซนเซอร์ตรวจจับโลหะ M12 ระยะ 4 มม.", "Inductive proximity sensor M12 sn 4 mm", "ELEC",
     "SEN", kEachBoxOf10, "DE-SWS", "IS-M12-4PNO-C", 34.50, false, "WH01", 0.05},
    {"SEN-PHO-DIF", "เซนเซอร์แสงแบบสะท้อนวัตถุ 400 มม.", "Diffuse photoelectric sensor 400 mm", "ELEC", "SEN",
     kEachBoxOf10, "DE-SWS", "OD-400-PNP-M8", 58.00, false, "WH01", 0.04},
    {"SEN-PRS-10B", "ทรานสมิตเตอร์วัดแรงดัน 0-10 บาร์ 4-20 มิลลิแอมป์", "Pressure transmitter 0-10 bar 4-20 mA",
     "ELEC", "SEN", kEachBoxOf10, "DE-SWS", "PT-10B-420-G14", 129.00, false, "WH01", 0.15},
    {"SEN-TMP-PT100", "เซนเซอร์วัดอุณหภูมิ PT100 ยาว 100 มม.", "RTD temperature probe PT100 100 mm", "ELEC", "SEN",
     kEachBoxOf10, "DE-SWS", "TR-PT100-100-3L", 42.00, false, "WH01", 0.09},
    {"SEN-ENC-1024", "เอ็นโคดเดอร์ 1024 พัลส์ เพลา 6 มม.", "Incremental rotary encoder 1024 ppr 6 mm shaft",
     "ELEC", "SEN", kEachBoxOf10, "DE-SWS", "RE-58-1024-6", 96.00, false, "WH01", 0.22},
    {"SEN-CAB-M12-5", "สายเซนเซอร์ M12 4 ขา ยาว 5 เมตร", "Sensor cable M12 4-pin 5 m", "ELEC", "SEN",
     kPieceBoxCarton, "DE-SWS", "KC-M12-4P-5M", 6.80, false, "WH01", 0.16},
    // Drives from Germany.
    {"DRV-MTR-075", "มอเตอร์เกียร์ 0.75 กิโลวัตต์ อัตราทด 20:1", "Helical gear motor 0.75 kW ratio 20:1", "MACH",
     "DRV", kMachine, "DE-RAT", "RAT-HG075-20", 685, false, "WH01", 24.0},
    {"DRV-MTR-22", "มอเตอร์เกียร์ 2.2 กิโลวัตต์ อัตราทด 30:1", "Helical gear motor 2.2 kW ratio 30:1", "MACH", "DRV",
     kMachine, "DE-RAT", "RAT-HG220-30", 1240, false, "WH01", 41.0},
    {"DRV-INV-22", "อินเวอร์เตอร์ 2.2 กิโลวัตต์ 380 โวลต์", "Frequency inverter 2.2 kW 380 V", "ELEC", "DRV",
     kMachine, "DE-RAT", "RAT-FI-22-4", 455, false, "WH01", 2.4},
    {"DRV-CPL-L100", "คัปปลิ้งยางกันสะเทือน L100", "Jaw coupling L100 with spider", "SPARE", "DRV", kEachBoxOf10,
     "DE-RAT", "RAT-JC-L100", 18.50, false, "WH03", 0.70},
    {"DRV-BLT-SPA1250", "สายพานร่องวี SPA1250", "Wedge V-belt SPA 1250", "SPARE", "DRV", kBeltBoxOf10, "DE-RAT",
     "RAT-SPA-1250", 9.60, false, "WH03", 0.12},
    {"DRV-CHN-RS60", "โซ่ส่งกำลัง RS60 แถวเดี่ยว", "Roller chain RS60 single strand", "SPARE", "DRV",
     "เมตร:1:STM,กล่อง:3:SP", "DE-RAT", "RAT-RC60-1", 14.20, false, "WH03", 1.48},
    // Cutting tools from the USA.
    {"CUT-EM-10", "ดอกเอ็นมิลคาร์ไบด์ 4 ฟัน 10 มม.", "Carbide end mill 4 flute 10 mm", "TOOL", "CUT", kBitBoxOf10,
     "US-PPT", "PPT-EM4-1000", 24.80, false, "WH03", 0.05},
    {"CUT-EM-6", "ดอกเอ็นมิลคาร์ไบด์ 4 ฟัน 6 มม.", "Carbide end mill 4 flute 6 mm", "TOOL", "CUT", kBitBoxOf10,
     "US-PPT", "PPT-EM4-0600", 16.40, false, "WH03", 0.03},
    {"CUT-DR-85", "ดอกสว่านคาร์ไบด์ 8.5 มม.", "Solid carbide drill 8.5 mm", "TOOL", "CUT", kBitBoxOf10, "US-PPT",
     "PPT-SD-0850", 31.20, false, "WH03", 0.04},
    {"CUT-TAP-M8", "ดอกต๊าปเกลียวเกลียวเวียน M8x1.25", "Spiral flute tap M8x1.25", "TOOL", "CUT", kBitBoxOf10,
     "US-PPT", "PPT-ST-M8125", 9.70, false, "WH03", 0.03},
    {"CUT-INS-CNMG", "เม็ดมีดกลึง CNMG120408", "Turning insert CNMG 120408", "TOOL", "CUT", kInsertBoxOf10,
     "US-PPT", "PPT-CNMG120408-MP", 5.90, false, "WH03", 0.01},
    {"CUT-INS-APMT", "เม็ดมีดกัด APMT1135", "Milling insert APMT 1135PDER", "TOOL", "CUT", kInsertBoxOf10,
     "US-PPT", "PPT-APMT1135-M", 3.80, false, "WH03", 0.01},
    {"CUT-SAW-350", "ใบเลื่อยวงเดือนคาร์ไบด์ 350 มม.", "Carbide circular saw blade 350 mm", "TOOL", "CUT",
     kBladeBoxOf5, "US-PPT", "PPT-CSB-350-80", 52.00, false, "WH03", 1.10},
    // Fasteners and lubricants from a Singapore trader.
    {"FST-HB-M10X40", "สกรูหัวหกเหลี่ยมสแตนเลส M10x40", "Hex bolt M10x40 stainless A2-70", "SPARE", "FST",
     kPieceBoxCarton, "SG-SIS", "SIS-HB-A2-1040", 0.42, false, "WH03", 0.03},
    {"FST-NUT-M10", "น็อตหกเหลี่ยมสแตนเลส M10", "Hex nut M10 stainless A2", "SPARE", "FST", kPieceBoxCarton,
     "SG-SIS", "SIS-HN-A2-10", 0.11, false, "WH03", 0.01},
    {"FST-WSH-M10", "แหวนอีแปะสแตนเลส M10", "Flat washer M10 stainless A2", "SPARE", "FST", kPieceBoxCarton,
     "SG-SIS", "SIS-FW-A2-10", 0.05, false, "WH03", 0.01},
    {"FST-ANC-M12", "พุกเหล็กชุบซิงค์ M12x100", "Wedge anchor M12x100 zinc plated", "SPARE", "FST",
     kPieceBoxCarton, "SG-SIS", "SIS-WA-12100", 0.68, false, "WH03", 0.10},
    {"LUB-HYD-46", "น้ำมันไฮดรอลิก ISO VG 46", "Hydraulic oil ISO VG 46", "CHEM", "LUB", kLitrePailDrum,
     "SG-SIS", "SIS-HO-46", 2.35, true, "WH02", 0.87},
    {"LUB-GEAR-220", "น้ำมันเกียร์ ISO VG 220", "Industrial gear oil ISO VG 220", "CHEM", "LUB", kLitrePailDrum,
     "SG-SIS", "SIS-GO-220", 3.10, true, "WH02", 0.89},
    {"LUB-GRS-EP2", "จาระบีลิเทียม EP2", "Lithium complex grease EP2", "CHEM", "LUB", kKiloPail, "SG-SIS",
     "SIS-GR-EP2-18", 4.60, true, "WH02", 1.00},
    {"CHM-CLN-500", "สเปรย์ทำความสะอาดหน้าคอนแทค 500 มล.", "Electrical contact cleaner spray 500 ml", "CHEM",
     "LUB", kCanBoxCarton, "SG-SIS", "SIS-CC-500", 3.90, true, "WH02", 0.45},
    {"CHM-LOC-243", "น้ำยากันคลายเกลียว แรงยึดปานกลาง 50 มล.", "Threadlocker medium strength 50 ml", "CHEM",
     "LUB", kTubeBoxCarton, "SG-SIS", "SIS-TL-243-50", 9.80, true, "WH02", 0.07},
    // Electrical parts from China.
    {"ELE-RLY-24V", "รีเลย์ 24VDC 4 คอนแทค พร้อมซ็อกเก็ต", "Relay 24VDC 4PDT with socket", "ELEC", "ELE",
     kPieceBoxCarton, "CN-SZL", "LF-MY4N-24D", 14.50, false, "WH01", 0.06},
    {"ELE-PSU-24-5", "พาวเวอร์ซัพพลาย 24 โวลต์ 5 แอมป์ รางดิน", "DIN rail power supply 24 V 5 A", "ELEC", "ELE",
     kEachBoxOf10, "CN-SZL", "LF-DR120-24", 118.00, false, "WH01", 0.50},
    {"ELE-CB-3P32", "เบรกเกอร์ลูกย่อย 3 โพล 32 แอมป์", "Miniature circuit breaker 3P 32 A", "ELEC", "ELE",
     kEachBoxOf10, "CN-SZL", "LF-MCB-3P-C32", 36.00, false, "WH01", 0.38},
    {"ELE-CBL-15", "สายไฟ VSF 1.5 ตร.มม. สีดำ", "Flexible wire 1.5 sq.mm black", "ELEC", "ELE", kMetreRoll100,
     "CN-SZL", "LF-H07VK-15-BK", 0.85, false, "WH01", 0.02},
    {"ELE-TB-25", "เทอร์มินอลบล็อก 2.5 ตร.มม. รางดิน", "DIN rail terminal block 2.5 sq.mm", "ELEC", "ELE",
     kPieceBoxCarton, "CN-SZL", "LF-UK25-GY", 1.90, false, "WH01", 0.01},
    {"ELE-LMP-22", "ไพลอตแลมป์ LED 22 มม. 24 โวลต์ สีเขียว", "LED pilot lamp 22 mm 24 V green", "ELEC", "ELE",
     kPieceBoxCarton, "CN-SZL", "LF-AD16-22-G24", 4.20, false, "WH01", 0.02},
    // Machines from Japan and Italy.
    {"MAC-LTH-CNC8", "เครื่องกลึงซีเอ็นซี หัวจับ 8 นิ้ว", "CNC turning centre 8 inch chuck", "MACH", "MAC", kMachine,
     "JP-NKS", "NKS-TC8-MY", 9850000, false, "WH01", 3800},
    {"SPN-SPDL-BLT", "สายพานสปินเดิลเครื่องกลึงซีเอ็นซี", "Spindle drive belt for CNC lathe", "SPARE", "MAC", kSet,
     "JP-NKS", "NKS-SB-8PK1200", 14800, false, "WH03", 0.40},
    {"MAC-CMP-15", "เครื่องอัดลมแบบสกรู 15 กิโลวัตต์", "Rotary screw air compressor 15 kW", "MACH", "MAC", kMachine,
     "IT-OML", "OML-RS15-8", 7450, false, "WH01", 390},
    {"MAC-PMP-CEN2", "ปั๊มหอยโข่งสแตนเลส 2 แรงม้า", "Stainless centrifugal pump 2 HP", "MACH", "MAC", kMachine,
     "IT-OML", "OML-CP2-SS316", 1280, false, "WH01", 28},
};

// Import services and charges, bought from the local vendors.
struct Service {
    const char* code;
    const char* thaiName;
    const char* engName;
    const char* type; // "S" service, "M" miscellaneous charge
    const char* tax;
};

const Service kServices[] = {
    {"SV-FRT-SEA", "ค่าขนส่งสินค้าระหว่างประเทศทางเรือ", "Ocean freight", "S", "V7"},
    {"SV-FRT-AIR", "ค่าขนส่งสินค้าระหว่างประเทศทางอากาศ", "Air freight", "S", "V7"},
    {"SV-INS-MAR", "ค่าเบี้ยประกันภัยขนส่งสินค้า", "Marine cargo insurance premium", "S", "V7"},
    {"SV-CUS-CLR", "ค่าบริการพิธีการศุลกากร", "Customs clearance service", "S", "V7"},
    {"SV-THC", "ค่ายกตู้และค่าภาระหน้าท่า", "Terminal handling charge", "S", "V7"},
    {"SV-TRK-LCB", "ค่าขนส่งจากท่าเรือแหลมฉบังถึงคลังสินค้า", "Trucking from Laem Chabang port", "S", "V7"},
    {"MS-DUTY", "อากรขาเข้า", "Import duty", "M", "NV"},
};

// Baht per unit of a vendor currency, for the standard costs and prices.
double bahtPer(const QString& currency) {
    if (currency == u"USD"_s)
        return 34.0;
    if (currency == u"EUR"_s)
        return 39.5;
    if (currency == u"JPY"_s)
        return 0.224;
    if (currency == u"CNY"_s)
        return 4.75;
    return 1.0;
}

// GS1 country prefixes of the vendors' bar codes.
QString gs1Prefix(const QString& country) {
    if (country == u"US"_s)
        return u"061"_s;
    if (country == u"DE"_s)
        return u"401"_s;
    if (country == u"IT"_s)
        return u"801"_s;
    if (country == u"JP"_s)
        return u"490"_s;
    if (country == u"CN"_s)
        return u"693"_s;
    if (country == u"SG"_s)
        return u"888"_s;
    return u"885"_s;
}

void loadWarehouses(data::Database& db) {
    struct Wh {
        const char* code;
        const char* name;
        bool location;
    };
    const Wh warehouses[] = {
        {"WH01", "คลังสินค้าหลัก บางนา", false},      {"WH02", "คลังน้ำมันและเคมีภัณฑ์", false},
        {"WH03", "คลังอะไหล่และเครื่องมือ", false},    {"QC", "พื้นที่รอตรวจสอบคุณภาพสินค้านำเข้า", false},
        {"A-01-01", "ชั้นวาง A แถว 1 ช่อง 1", true}, {"A-01-02", "ชั้นวาง A แถว 1 ช่อง 2", true},
    };
    for (const Wh& w : warehouses) {
        const int id = insertRow(db, u"Warehouse"_s,
                                 {{u"Code"_s, u8(w.code)},
                                  {u"Name"_s, u8(w.name)},
                                  {u"islocation"_s, w.location ? u"Y"_s : u"N"_s},
                                  {u"flagin"_s, u"Y"_s},
                                  {u"flagout"_s, u"Y"_s},
                                  {u"Blocked"_s, u"N"_s}});
        // The purchasing officer (user 1) works in every warehouse.
        insertPlain(db, u"UserWarehouse"_s, {{u"UserName"_s, 1}, {u"Warehouse"_s, id}});
    }
    // The English-speaking buyer (user 2) only in the main warehouse.
    insertPlain(db, u"UserWarehouse"_s,
                {{u"UserName"_s, 2}, {u"Warehouse"_s, idOf(db, u"Warehouse"_s, u"WH01"_s)}});
}

void loadProductGroups(data::Database& db) {
    insertRow(
        db, u"productgroup"_s,
        {{u"Code"_s, u"10"_s}, {u"Description"_s, u8("สินค้าสำเร็จรูปเพื่อขาย")}, {u"ProductType"_s, u"P"_s}});
    insertRow(
        db, u"productgroup"_s,
        {{u"Code"_s, u"20"_s}, {u"Description"_s, u8("อะไหล่และวัสดุสิ้นเปลือง")}, {u"ProductType"_s, u"P"_s}});
    insertRow(
        db, u"productgroup"_s,
        {{u"Code"_s, u"90"_s}, {u"Description"_s, u8("ค่าบริการและค่าใช้จ่าย")}, {u"ProductType"_s, u"S"_s}});
}

int addProduct(data::Database& db, const QString& code, const QString& thai, const QString& eng,
               const QString& type, int ptype, int pgroup, int accountGroup, int tax, int warehouse,
               bool lots, double weight) {
    const QString y = u"Y"_s;
    const QString n = u"N"_s;
    return insertRow(db, u"Product"_s,
                     {{u"Code"_s, code},
                      {u"ThaiName"_s, thai},
                      {u"EngName"_s, eng},
                      {u"PosName"_s, eng.left(40)},
                      {u"ProductType"_s, type},
                      {u"PType"_s, ptype},
                      {u"PGroup"_s, pgroup},
                      {u"ProductGroup"_s, accountGroup},
                      {u"PriceIE"_s, u"E"_s},
                      {u"PrintFrac"_s, n},
                      {u"UseSerial"_s, n},
                      {u"LotControl"_s, lots ? y : n},
                      {u"TaxCode"_s, tax},
                      {u"DefaultWh"_s, warehouse},
                      {u"PriceByVolumn"_s, n},
                      {u"Blocked"_s, n},
                      {u"Negative"_s, n},
                      {u"ProductFree"_s, n},
                      {u"MasterCode"_s, n},
                      {u"NetWeight"_s, weight},
                      {u"GrossWeight"_s, round2(weight * 1.08)},
                      {u"CheckSerialPurc"_s, n},
                      {u"CheckSerialSale"_s, n},
                      {u"CheckSerialStock"_s, n},
                      {u"CheckSerialOnhand"_s, n},
                      {u"PerDiscountOver"_s, 0.0}});
}

void loadGoods(data::Database& db, int runYear) {
    const int vat = idOf(db, u"Tax"_s, u"V7"_s);
    const int standardPrice = miscId(db, u"PRICETYPE"_s, u"STD"_s);
    const int retailPrice = miscId(db, u"PRICETYPE"_s, u"RTL"_s);
    const int trader = idOf(db, u"FrVendor"_s, u"SG-SIS"_s);
    const QDate lastBought = demoToday(runYear).addMonths(-3);
    int itemNo = 0;
    for (const Item& item : kItems) {
        ++itemNo;
        const QString vendorCode = u8(item.vendor);
        const int vendor = idOf(db, u"FrVendor"_s, vendorCode);
        const QString currency =
            db.scalar(
                  u"SELECT M.Code FROM FrVendor V INNER JOIN Misc M ON (M.Id = V.Currency) WHERE V.Id = :Id"_s,
                  {{u"Id"_s, vendor}})
                .toString();
        const QString country =
            db.scalar(
                  u"SELECT M.Code FROM FrVendor V INNER JOIN Misc M ON (M.Id = V.Country) WHERE V.Id = :Id"_s,
                  {{u"Id"_s, vendor}})
                .toString();
        const QString pgroup = u8(item.pgroup);
        const int product =
            addProduct(db, u8(item.code), u8(item.thaiName), u8(item.engName), u"P"_s,
                       miscId(db, u"PTYPE"_s, u8(item.ptype)), miscId(db, u"PGROUP"_s, pgroup),
                       idOf(db, u"productgroup"_s, pgroup == u"MAC"_s ? u"10"_s : u"20"_s), vat,
                       idOf(db, u"Warehouse"_s, u8(item.warehouse)), item.lots, item.weight);

        // Landed cost in baht of one smallest unit, and the list prices.
        const double cost = item.price * bahtPer(currency) * 1.22;
        // EAN-13 of the smallest unit: country, vendor, item; bigger units
        // carry the GTIN-14 of their packaging level.
        const QString base = gs1Prefix(country) + QString::number(1000 + vendor * 37 % 9000) +
                             QString::number(itemNo).rightJustified(5, u'0');
        int level = 0;
        bool firstPurchaseUnit = true;
        for (const QString& unitText : u8(item.units).split(u',')) {
            const QStringList part = unitText.split(u':');
            const int fraction = part[1].toInt();
            const QString roles = part[2];
            const QString digits = level == 0 ? base : QString::number(level) + base;
            ++level;
            auto flag = [&roles](QChar c) { return roles.contains(c) ? u"Y"_s : u"N"_s; };
            const int unit =
                insertRow(db, u"ProductUnits"_s,
                          {{u"Product"_s, product},
                           {u"UnitName"_s, part[0]},
                           {u"UnitDesc"_s, fraction == 1 ? part[0]
                                                         : u"%1 (%2 %3)"_s.arg(part[0]).arg(fraction).arg(
                                                               u8(item.units).section(u':', 0, 0))},
                           {u"Fraction"_s, fraction},
                           {u"BarCode"_s, digits + gtinCheckDigit(digits)},
                           {u"PurcPrice"_s, round2(cost * fraction)},
                           {u"LabourCost"_s, 0.0},
                           {u"SaleFlag"_s, flag(u'S')},
                           {u"PurcFlag"_s, flag(u'P')},
                           {u"SmallUnitFlag"_s, flag(u'M')},
                           {u"StockUnitFlag"_s, flag(u'T')}});
            if (roles.contains(u'S')) {
                insertPlain(db, u"ProductPrice"_s,
                            {{u"Product"_s, product},
                             {u"ProductUnits"_s, unit},
                             {u"PriceType"_s, standardPrice},
                             {u"Price"_s, round2(cost * fraction * 1.45)}});
                insertPlain(db, u"ProductPrice"_s,
                            {{u"Product"_s, product},
                             {u"ProductUnits"_s, unit},
                             {u"PriceType"_s, retailPrice},
                             {u"Price"_s, round2(cost * fraction * 1.65)}});
            }
            if (!roles.contains(u'P'))
                continue;
            // The vendor's code, name and price for every unit it sells in;
            // a bigger pack carries the vendor's pack suffix and 3 % off.
            const bool pack = !firstPurchaseUnit;
            firstPurchaseUnit = false;
            const QString packSuffix = pack ? u"/%1"_s.arg(fraction) : QString();
            const double unitPrice = item.price * fraction;
            insertRow(db, u"PartSource"_s,
                      {{u"Product"_s, product},
                       {u"ProductUnits"_s, unit},
                       {u"Vendor"_s, vendor},
                       {u"PurchaseCode"_s, u8(item.vendorCode) + packSuffix},
                       {u"PurchaseName"_s, u8(item.engName).toUpper()},
                       {u"Price"_s, currency == u"JPY"_s ? std::round(unitPrice) : round2(unitPrice)},
                       {u"DiscountStr"_s, pack ? u"3%"_s : QString()},
                       {u"lastprice"_s, currency == u"JPY"_s ? std::round(unitPrice) : round2(unitPrice)},
                       {u"lastdoccode"_s, u"FRPO-P"_s},
                       {u"lastdate"_s, lastBought}});
            // Bearings, fasteners and lubricants are also offered by the
            // Singapore trader, in US dollars at a little more.
            if (vendor != trader && (pgroup == u"BRG"_s || pgroup == u"FST"_s))
                insertRow(db, u"PartSource"_s,
                          {{u"Product"_s, product},
                           {u"ProductUnits"_s, unit},
                           {u"Vendor"_s, trader},
                           {u"PurchaseCode"_s, u"SIS-"_s + u8(item.vendorCode) + packSuffix},
                           {u"PurchaseName"_s, u8(item.engName).toUpper()},
                           {u"Price"_s, round2(unitPrice * bahtPer(currency) * 1.08 / bahtPer(u"USD"_s))},
                           {u"DiscountStr"_s, QString()}});
        }
    }
}

void loadServices(data::Database& db) {
    const int ptype = miscId(db, u"PTYPE"_s, u"SERV"_s);
    const int pgroup = miscId(db, u"PGROUP"_s, u"IMX"_s);
    const int accountGroup = idOf(db, u"productgroup"_s, u"90"_s);
    const int warehouse = idOf(db, u"Warehouse"_s, u"WH01"_s);
    for (const Service& s : kServices) {
        const int product =
            addProduct(db, u8(s.code), u8(s.thaiName), u8(s.engName), u8(s.type), ptype, pgroup, accountGroup,
                       idOf(db, u"Tax"_s, u8(s.tax)), warehouse, false, 0.0);
        insertRow(db, u"ProductUnits"_s,
                  {{u"Product"_s, product},
                   {u"UnitName"_s, u8("ครั้ง")},
                   {u"Fraction"_s, 1},
                   {u"PurcPrice"_s, 0.0},
                   {u"SaleFlag"_s, u"Y"_s},
                   {u"PurcFlag"_s, u"Y"_s},
                   {u"SmallUnitFlag"_s, u"Y"_s},
                   {u"StockUnitFlag"_s, u"Y"_s}});
    }
}

void loadLots(data::Database& db, int runYear) {
    const QDate today = demoToday(runYear);
    const QString yy = buddhistYY(runYear);
    struct Lot {
        QString code;
        QString description;
        bool expires;
        QDate expiry;
    };
    const Lot lots[] = {
        {u"HO46-"_s + yy + u"-01"_s, u8("น้ำมันไฮดรอลิก VG46 ล็อตนำเข้าที่ 1"), true, today.addYears(3)},
        {u"GO220-"_s + yy + u"-01"_s, u8("น้ำมันเกียร์ VG220 ล็อตนำเข้าที่ 1"), true, today.addYears(3)},
        {u"GR-"_s + yy + u"-01"_s, u8("จาระบี EP2 ล็อตนำเข้าที่ 1"), true, today.addYears(2)},
        {u"CC-"_s + yy + u"-01"_s, u8("สเปรย์ทำความสะอาด ล็อตนำเข้าที่ 1"), true, today.addMonths(18)},
        {u"TL-"_s + yy + u"-01"_s, u8("น้ำยากันคลายเกลียว ล็อตนำเข้าที่ 1"), true, today.addMonths(14)},
        // An old lot that has run out of date.
        {u"TL-"_s + buddhistYY(runYear - 2) + u"-03"_s, u8("น้ำยากันคลายเกลียว ล็อตเก่า (หมดอายุ)"), true,
         today.addDays(-20)},
        {u"GENERAL"_s, u8("ล็อตทั่วไป ไม่มีวันหมดอายุ"), false, QDate()},
    };
    for (const Lot& l : lots)
        insertRow(db, u"LotNo"_s,
                  {{u"Code"_s, l.code},
                   {u"Description"_s, l.description},
                   {u"HasExpired"_s, l.expires ? u"Y"_s : u"N"_s},
                   {u"ExpiredDate"_s, l.expiry.isValid() ? QVariant(l.expiry) : QVariant()}});

    // Import lots gather the shipments and expenses of one consignment;
    // "BEGIN" holds the foreign bills brought forward.
    struct ImportLot {
        QString code;
        QString description;
        QDate effective;
        bool active;
    };
    const QDate open = firstOpenDay(runYear);
    const ImportLot importLots[] = {
        {u"BEGIN"_s, u8("บิลค้างจ่ายต่างประเทศยกมา"), QDate(runYear, 1, 1), true},
        {u"IL"_s + yy + u"-001"_s, u8("ตลับลูกปืน Tokai Bearing ทางเรือ (ท่าเรือแหลมฉบัง)"), open, true},
        {u"IL"_s + yy + u"-002"_s, u8("อุปกรณ์ไฮดรอลิก Midwest Hydraulics ทางเรือ"), open.addDays(10), true},
        {u"IL"_s + yy + u"-003"_s, u8("เซนเซอร์ Schwarzwald Sensorik ทางอากาศ"), demoToday(runYear), true},
        {u"IL"_s + buddhistYY(runYear - 1) + u"-014"_s, u8("เครื่องอัดลม OML ปีก่อน (ปิดแล้ว)"),
         QDate(runYear - 1, 10, 5), false},
    };
    for (const ImportLot& l : importLots)
        insertRow(db, u"ImportLotNo"_s,
                  {{u"Code"_s, l.code},
                   {u"Description"_s, l.description},
                   {u"EffectiveDate"_s, QDateTime(l.effective, QTime(8, 0))},
                   {u"Active"_s, l.active ? u"Y"_s : u"N"_s}});
}

// Stock at the start of the year, in smallest units, in each product's
// default warehouse.
void loadStock(data::Database& db, int runYear) {
    db.execute(u"INSERT INTO ProductOnHand (Product, ProductUnits, Warehouse, BalanceYear, Quantity) "
               u"SELECT P.Id, U.Id, P.DefaultWh, :BalanceYear, (P.Id * 7) % 23 * U.Fraction "
               u"FROM Product P INNER JOIN ProductUnits U ON (U.Product = P.Id AND U.StockUnitFlag = 'Y') "
               u"WHERE P.ProductType = 'P'"_s,
               {{u"BalanceYear"_s, runYear}});
}

} // namespace

void loadDemoProducts(data::Database& db, int runYear) {
    loadWarehouses(db);
    loadProductGroups(db);
    loadGoods(db, runYear);
    loadServices(db);
    loadLots(db, runYear);
    loadStock(db, runYear);
}

} // namespace zelt::server::demo
