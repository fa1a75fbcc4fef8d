#include "ExistingOutputPolicy.h"

#include "OutputNaming.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <utility>

namespace {

// The names settings.ini and the command line use; stored files rely on them.
constexpr std::array<std::pair<ExistingOutputPolicy, const char*>, 3> kPolicyNames{{
    {ExistingOutputPolicy::Replace, "replace"},
    {ExistingOutputPolicy::New, "new"},
    {ExistingOutputPolicy::Skip, "skip"},
}};

// Enough for any real batch; a name still taken after this many tries is refused rather than searched forever.
constexpr int kMaxNewNumber = 100000;

QString cleaned(const QString& name) {
    return QDir::cleanPath(QFileInfo(name).absoluteFilePath());
}

bool existsOnDisk(const QString& name) {
    const QFileInfo info(name);
    return info.exists() || info.isSymLink();
}

} // namespace

std::optional<ExistingOutputPolicy> existingOutputPolicyNamed(const QString& name) {
    for (const auto& [policy, policyName] : kPolicyNames) {
        if (name == QLatin1String(policyName))
            return policy;
    }
    return std::nullopt;
}

QString existingOutputPolicyName(ExistingOutputPolicy policy) {
    for (const auto& [known, policyName] : kPolicyNames) {
        if (known == policy)
            return QLatin1String(policyName);
    }
    return QLatin1String(kPolicyNames.front().second);
}

OutputNameClaims::OutputNameClaims(ExistingOutputPolicy policy, const std::set<QString>& sourceNames)
    : policy_(policy) {
    for (const QString& source : sourceNames)
        sources_.insert(cleaned(source));
}

OutputClaim OutputNameClaims::claim(const QString& sourceName, const QString& destination) {
    for (int number = 0; number <= kMaxNewNumber; ++number) {
        const QString candidate = number == 0 ? destination : withNewMarker(destination, number);
        if (takenInBatch(sourceName, candidate))
            continue;
        if (existsOnDisk(candidate) && policy_ == ExistingOutputPolicy::New)
            continue;
        if (existsOnDisk(candidate) && policy_ == ExistingOutputPolicy::Skip)
            return {OutputClaim::Status::SkippedExisting, candidate};
        claimed_.insert(cleaned(candidate));
        return {OutputClaim::Status::Claimed, candidate};
    }
    return {OutputClaim::Status::NoFreeName, destination};
}

void OutputNameClaims::reserve(const QString& name) {
    claimed_.insert(cleaned(name));
}

// Taken: another output of this batch has the name, or it is a source of this batch (for the output's own source
// also under another spelling, through a link, or on a file system that ignores letter case).
bool OutputNameClaims::takenInBatch(const QString& sourceName, const QString& candidate) const {
    const QString name = cleaned(candidate);
    return claimed_.count(name) != 0 || sources_.count(name) != 0 || denoteSameFile(sourceName, candidate);
}
