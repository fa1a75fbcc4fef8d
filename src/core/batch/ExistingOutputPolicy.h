#pragma once

#include <QString>
#include <optional>
#include <set>

// What a batch does with an output whose name is already a file on disk.
enum class ExistingOutputPolicy {
    Replace, // the file is replaced without a question, as a single conversion always did
    New,     // the output takes a "_NEW" name that is free
    Skip,    // the output is not made; the file stays as it is
};

// The policy of a stored or typed name ("replace", "new", "skip"), compared exactly; nothing for any other name.
[[nodiscard]] std::optional<ExistingOutputPolicy> existingOutputPolicyNamed(const QString& name);
// The name a policy is stored and typed under.
[[nodiscard]] QString existingOutputPolicyName(ExistingOutputPolicy policy);

struct OutputClaim {
    enum class Status { Claimed, SkippedExisting, NoFreeName };
    Status status = Status::Claimed;
    QString name; // the name to write under (Claimed), or the existing file (SkippedExisting)
};

// Hands out the output names of one batch before any work starts, so that no two outputs write the same file and
// no output replaces a source of the same batch. A name that is taken gets "_NEW" before its extension, then
// "_NEW2", "_NEW3", ... until one is free. Whether a file on disk counts as taken depends on the policy.
class OutputNameClaims {
public:
    OutputNameClaims(ExistingOutputPolicy policy, const std::set<QString>& sourceNames);

    [[nodiscard]] OutputClaim claim(const QString& sourceName, const QString& destination);
    // A name another output of the batch holds already.
    void reserve(const QString& name);

private:
    [[nodiscard]] bool takenInBatch(const QString& sourceName, const QString& candidate) const;

    ExistingOutputPolicy policy_;
    std::set<QString> sources_;
    std::set<QString> claimed_;
};
