#pragma once

class Connection;

// Writes that belong together: begun on construction, kept only by Commit;
// a transaction left without a commit is rolled back, so a failure in the
// middle leaves the stored data as it was.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False when the transaction could not begin (the connection holds the failure).
    bool IsActive() const { return active_; }
    // Keeps every write; false, with the failure kept by the connection, when it cannot.
    bool Commit();

private:
    Connection& connection_;
    bool active_ = false;
};
