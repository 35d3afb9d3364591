// The mill in the life of a project: the example mill, the dialog's OK, the
// mill following the Setup, the mill file and the loads (mill_inputs.h).

#include <cctype>
#include <cmath>

#include "engine/mill_loads.h"
#include "project/mill_inputs.h"
#include "storage/mill_file.h"

namespace rolvanta {

namespace {

// The example mill: a beam mill of four groups of 2-high stands in rolling
// order, the breakdown stand reversing (it rolls every pass of its group),
// then roughing, intermediate and finishing stands, one pass each. The
// limits are set so that the default design of a medium beam (MB 200, 9 to
// 13 passes at 1000 °C) uses each stand to about 40-75 % of its roll force
// and less of its torque and motor: a mill with room to spare, as most are
// run. Bar speeds of 2 to 6 m/s and a few seconds between passes are usual
// for such a train.
struct StandGroup {
    const char* name;      // the breakdown stand's name, else the prefix of the numbered stands
    bool reversing;        // one stand for the whole group
    double upTo;           // the group rolls the passes before this share of the train
    double diameter_mm;    // working diameter at the web
    double fromSpeed_m_s;  // the roll surface speed of its first pass
    double toSpeed_m_s;    // of its last pass
    double interpass_s;    // to the next pass
    double maxForce_kN;
    double maxTorque_kNm;
    double motor_kW;
};

constexpr StandGroup kExampleGroups[] = {
    {"BD", true, 0.25, 850, 2.0, 2.0, 6, 3000, 400, 2000},
    {"R", false, 0.55, 750, 2.2, 3.2, 4, 3000, 300, 2000},
    {"I", false, 0.85, 650, 3.4, 4.6, 3, 2500, 200, 2000},
    {"F", false, 2.0, 560, 5.0, 6.0, 2, 1500, 60, 800},  // the rest
};
constexpr const char* kExampleName = "Example mill";
constexpr double kPi = 3.141592653589793;

int groupOf(int j, int passCount) {
    const double share = passCount > 1 ? static_cast<double>(j) / (passCount - 1) : 1.0;
    int group = 0;
    while (share >= kExampleGroups[group].upTo) ++group;
    return group;
}

bool endsWithMillExtension(const std::string& path) {
    static const std::string extension = ".rolmill";
    if (path.size() < extension.size()) return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        const char c = path[path.size() - extension.size() + i];
        if (std::tolower(static_cast<unsigned char>(c)) != extension[i]) return false;
    }
    return true;
}

// One line of a problem's two (a file's reason is one line).
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

Mill exampleMill(int passCount) {
    Mill mill;
    mill.name = kExampleName;
    mill.example = true;
    for (int j = 0; j < passCount; ++j) {
        const int g = groupOf(j, passCount);
        const StandGroup& group = kExampleGroups[g];
        int first = j, count = 0;
        while (first > 0 && groupOf(first - 1, passCount) == g) --first;
        while (first + count < passCount && groupOf(first + count, passCount) == g) ++count;
        const int place = j - first;
        MillStand stand;
        stand.stand = group.reversing ? group.name : group.name + std::to_string(place + 1);
        stand.diameter_mm = group.diameter_mm;
        const double speed = count > 1
                                 ? group.fromSpeed_m_s + (group.toSpeed_m_s - group.fromSpeed_m_s) *
                                                             place / (count - 1)
                                 : group.fromSpeed_m_s;
        stand.rpm = std::round(speed * 60.0 / (kPi * group.diameter_mm / 1000.0));
        if (j < passCount - 1) stand.interpass_s = group.interpass_s;
        stand.maxForce_kN = group.maxForce_kN;
        stand.maxTorque_kNm = group.maxTorque_kNm;
        stand.motor_kW = group.motor_kW;
        mill.stands.push_back(stand);
    }
    return mill;
}

std::optional<MillProblem> applyMill(Project& project, const Mill& mill) {
    if (auto problem = checkMill(mill, project.section.passCount)) return problem;
    Project changed = project;
    changed.mill = mill;
    computeProjectLoads(changed);
    if (!sameProject(changed, project)) project = changed;
    return {};
}

std::string fitMillToPasses(Mill& mill, int passCount) {
    const int had = static_cast<int>(mill.stands.size());
    if (passCount < 1 || had == 0 || had == passCount) return {};
    if (passCount > had) {
        // The copies and the stand they copy lead to a next pass now: they
        // take the way to it of the stand before, when there is one.
        MillStand copy = mill.stands.back();
        if (had > 1) {
            copy.interpass_s = mill.stands[static_cast<std::size_t>(had - 2)].interpass_s;
            copy.distance_m = mill.stands[static_cast<std::size_t>(had - 2)].distance_m;
        }
        mill.stands.back() = copy;
        mill.stands.resize(static_cast<std::size_t>(passCount), copy);
    } else {
        mill.stands.resize(static_cast<std::size_t>(passCount));
    }
    // No pass follows the finishing pass.
    mill.stands.back().interpass_s.reset();
    mill.stands.back().distance_m.reset();
    const int changed = std::abs(passCount - had);
    const std::string now = "The mill has " + std::to_string(passCount) + " stands now: ";
    if (passCount > had) return now + std::to_string(changed) + " copied from the last";
    return now + "the last " + (changed == 1 ? std::string("one") : std::to_string(changed)) +
           " taken away";
}

MillOpened openMillFile(const std::string& path, int passCount) {
    MillOpened opened;
    Mill mill;
    if ((opened.error = readMillFile(path, mill))) return opened;
    if (auto problem = checkMill(mill, static_cast<int>(mill.stands.size()))) {
        opened.error =
            StorageError{StorageFailure::NotValid, path, oneLine(describeMillProblem(*problem))};
        return opened;
    }
    opened.note = fitMillToPasses(mill, passCount);
    opened.mill = mill;
    return opened;
}

StorageResult saveMillFile(const Mill& mill, const std::string& path) {
    return writeMillFile(endsWithMillExtension(path) ? path : path + ".rolmill", mill);
}

void computeProjectLoads(Project& project) {
    project.loads.clear();
    const int passCount = project.section.passCount;
    if (!project.flags.computed || !project.mill || passCount < 2 ||
        project.mill->stands.size() != static_cast<std::size_t>(passCount)) {
        return;
    }
    project.loads = computeMillLoads(*project.mill, project.section, project.passes);
}

}  // namespace rolvanta
