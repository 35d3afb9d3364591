#pragma once

// The profile catalogue ("profile.dat"): 96-byte little-endian records back
// to back, no header; a trailing piece shorter than a record is ignored. In
// memory the catalogue is kept in natural order of the names (the series,
// then the size as a number: JB 150, JB 175 ... LB 75, LB 100); a record
// inserted with a name equal to existing ones goes before them. A file of
// more than 16 MiB is refused: the real table has a few dozen beams.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/project_records.h"
#include "storage/storage_error.h"

namespace rolvanta {

// One catalogue beam. Note the order: the slope comes before the radii here,
// and the record holds mass per unit length and area, not mass and length.
struct ProfileRecord {
    char name[kNameFieldSize];  // NUL-terminated, Windows-1252
    float webWidth;             // mm
    float webThickness;         // mm
    float flangeHeight;         // mm
    float flangeThickness;      // mm
    float flangeSlope;          // degrees
    float rootRadius;           // mm
    float tipRadius;            // mm
    float massPerLength;        // kg per mm
    float area;                 // mm²
    std::uint32_t next;         // link words: no meaning in the file, written as 0
    std::uint32_t prev;
};
static_assert(sizeof(ProfileRecord) == 96, "ProfileRecord is stored as 96 bytes");
static_assert(offsetof(ProfileRecord, flangeSlope) == 68);
static_assert(offsetof(ProfileRecord, massPerLength) == 80);
static_assert(offsetof(ProfileRecord, next) == 88);

// The largest catalogue file read, in bytes.
constexpr std::size_t kLargestCatalogue = std::size_t{16} << 20;

// True when name a sorts before name b in natural order: the names are
// compared piece by piece, a run of digits as the number it spells and any
// other bytes as unsigned values, case-sensitive.
bool profileNameLess(const ProfileRecord& a, const ProfileRecord& b);

// The catalogue in name order. Position 0 is the smallest name.
class ProfileList {
  public:
    int size() const { return static_cast<int>(records_.size()); }
    bool empty() const { return records_.empty(); }
    const ProfileRecord& at(int position) const { return records_.at(position); }
    std::vector<ProfileRecord>::const_iterator begin() const { return records_.begin(); }
    std::vector<ProfileRecord>::const_iterator end() const { return records_.end(); }

    void clear() { records_.clear(); }

    // Puts one record at its place: before the first record whose name is
    // greater than or equal to its own.
    void insertSorted(const ProfileRecord& record);

    // True when a record has exactly this name.
    bool hasName(std::string_view name) const;

    // Takes out every record of exactly this name.
    void removeName(std::string_view name);

    // Replaces the list with records in file order, sorted as if each had
    // been inserted in turn (a later equal name before the earlier ones).
    void assignFromFileOrder(std::vector<ProfileRecord> records);

    // The same for the records of a catalogue file's bytes, decoded as
    // decodeProfileRecords does.
    void assignFromFileBytes(std::string_view bytes);

  private:
    std::vector<ProfileRecord> records_;
};

// Where the catalogue is read and written: the working file first (additions
// always write it); when there is none, the catalogue installed with the
// program.
struct CatalogueFiles {
    std::string working = "profile.dat";
    std::string installed;  // empty: none
};

// The files for a program in programDir: "profile.dat" in the working
// directory, and the installed catalogue (findShippedFile).
CatalogueFiles defaultCatalogueFiles(const std::string& programDir);

// The records of a catalogue file's bytes, in file order. Names are cut to
// their field and zero-filled after the terminator, the link words are 0,
// and a number that is NaN or infinite reads as 0.
std::vector<ProfileRecord> decodeProfileRecords(std::string_view bytes);

// A catalogue file's bytes for the list, head to tail, with the link words
// and the name bytes after the terminator written as zeros.
std::string encodeProfileRecords(const ProfileList& list);

// Whether the bytes are a sound catalogue: a whole number of records, each
// name printable Windows-1252 text ending in a NUL within its field, every
// number finite and not negative. NotValid names the first damaged record
// and what is wrong with it ("record 3: the web width is negative"); an empty
// file is NotValid too ("it is empty").
StorageResult checkCatalogueBytes(const std::string& path, std::string_view bytes);

// True for the NotValid error of an empty catalogue file, which an addition
// may extend (from the installed catalogue), unlike a damaged one.
bool isEmptyCatalogueError(const StorageError& error);

// "profile.dat in /home/ann is damaged (record 3): the web width is
// negative", or "profile.dat in /home/ann is empty": a NotValid catalogue
// error in the words of both front ends.
std::string describeDamagedCatalogue(const StorageError& error);

// Replaces the list with the catalogue read from files: the working file, or
// the installed one when there is no working file or it is empty or damaged;
// then passedOver (when given) receives what was wrong with the working
// file. On failure the list stays as it was.
StorageResult loadProfileCatalogue(ProfileList& list, const CatalogueFiles& files,
                                   std::optional<StorageError>* passedOver = nullptr);

// The catalogue record for a finished section: its name and dimensions (the
// finished web width), mass per unit length from mass / length.
ProfileRecord profileFromSection(const BeamSection& section);

// What an addition does with a beam of the same name already listed.
enum class SameName { Keep, Replace };

// Adds the section to the catalogue: reloads the list from files (the
// installed catalogue in place of a missing or empty working file), inserts
// the section's record, with Replace in place of those of the same name,
// and rewrites the whole working file atomically. Refused: a section of
// length 0 (its mass per unit length is undefined), and a working file that
// is damaged or cannot be read (rewriting it would lose the catalogue); the
// file is then as it was. After a failed write the record stays in the list.
StorageResult appendCustomProfile(ProfileList& list, const BeamSection& section,
                                  const CatalogueFiles& files, SameName sameName = SameName::Keep);

}  // namespace rolvanta
