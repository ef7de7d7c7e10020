#include "check/rules/rules.h"

namespace brontaxe::check {

void findLockProblems(const std::vector<LockPair>& locks, Findings& out) {
    for (const LockPair& lock : locks) {
        if (lock.tabLength < lock.slotDepth - kJoinTolerance) {
            out.push_back(finding(FindingKind::LockTabTooShort, {}, {},
                                  "Patte trop courte : " + std::string(lock.what) + ", " +
                                      millimetres(lock.tabLength) + " pour une fente de " +
                                      millimetres(lock.slotDepth) + " de profondeur"));
        }
        if (lock.tabWidth > lock.slotMouth + kJoinTolerance) {
            out.push_back(finding(FindingKind::LockTabTooWide, {}, {},
                                  "Patte trop large : " + std::string(lock.what) + ", " +
                                      millimetres(lock.tabWidth) + " pour une fente de " +
                                      millimetres(lock.slotMouth) + " d'ouverture"));
        }
    }
}

}  // namespace brontaxe::check
