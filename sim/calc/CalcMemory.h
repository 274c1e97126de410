// The calculator's memory: a tree of directories holding variables, the current directory,
// the directory object form of a tree (for RCL, backups and transfers) and the listing.
#pragma once
#include "sim/calc/CalcObjects.h"

#include <memory>
#include <string>
#include <vector>

namespace lw::sim {

struct TDir;

struct TVar {
    std::string Name;          // calculator bytes
    TNibs Obj;                 // the object (empty for a directory)
    std::unique_ptr<TDir> Dir; // set for a directory
    bool IsDir() const { return Dir != nullptr; }
};

struct TDir {
    TDir* Parent = nullptr;
    std::vector<TVar> Vars; // memory order: the most recently created first
    TVar* Find(const std::string& name);
    const TVar* Find(const std::string& name) const;
};

class TCalcMemory {
public:
    TCalcMemory();

    TDir& Home() { return *HomeDir; }
    const TDir& Home() const { return *HomeDir; }
    TDir& Current() { return *Cur; }
    const TDir& Current() const { return *Cur; }
    void SetCurrent(TDir& dir) { Cur = &dir; }
    // Names of the directories from HOME down to the current one ("HOME" first).
    std::vector<std::string> CurrentPath() const;

    // Stores an object under a name: a directory object makes (or replaces with) a
    // subdirectory. An existing variable keeps its place; a new one goes first. Throws
    // EBadObject for a malformed directory object.
    void Store(TDir& dir, const std::string& name, const TNibs& obj);
    // Removes a variable or directory; false when there is none.
    bool Remove(TDir& dir, const std::string& name);
    // Replaces the whole memory by a directory object's contents; the current directory
    // becomes HOME.
    void ReplaceHome(const TNibs& directoryObject);
    void Clear();

    // A variable's object as it lies in memory (a directory as its directory object).
    static TNibs ObjectOf(const TVar& var);
    static TNibs DirectoryObject(const TDir& dir);
    // Parses a directory object into a tree; throws EBadObject.
    static std::unique_ptr<TDir> DirectoryFromObject(const TNibs& obj);

    // Every directory and variable from HOME in the listing format.
    std::string Listing() const;
    // Nibbles that HOME's contents take.
    size_t UsedNibbles() const { return DirectoryObject(*HomeDir).size(); }

private:
    std::unique_ptr<TDir> HomeDir;
    TDir* Cur;
};

} // namespace lw::sim
