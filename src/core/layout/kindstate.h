#pragma once
// The state a kind of document keeps for itself on its page (a comic strip's bubbles, a banner's
// words, an anywhere page's texts, a table's grid), carried by the page without naming it. The
// kind reaches its own state by type; reading a template, reading aloud and undo reach it only
// through the hooks its type offers, which the holder finds when the state is made:
//
//   void translateWords(const std::function<QString(const QString &)> &translated);
//   void resetForTemplate();                         // a template read starts the page afresh
//   void addReadingPieces(const PageModel &, QVector<KindReadingPiece> &) const;
//   std::optional<KindReadingPiece> currentReadingPiece(const PageModel &, int editedText) const;
//   QString textBoxWords(const PageModel &, int index, const QString &text) const;
//   static constexpr bool kFollowsPictureZero = true; // undo of picture 0 carries the state
//
// A state type offers the ones it needs; the rest do nothing.

#include <QString>
#include <QVector>

#include <any>
#include <concepts>
#include <functional>
#include <optional>

namespace quillora {

struct PageModel;
struct KindReadingPiece;

class KindState {
public:
    // The page's state of kind `T`, made empty when the page holds none or another kind's.
    template <typename T> T &get()
    {
        if (T *held = std::any_cast<T>(&m_value))
            return *held;
        m_value.emplace<T>();
        m_hooks = &hooksOf<T>();
        return *std::any_cast<T>(&m_value);
    }
    template <typename T> const T *find() const { return std::any_cast<T>(&m_value); }
    template <typename T> T *find() { return std::any_cast<T>(&m_value); }

    bool isEmpty() const { return !m_value.has_value(); }

    void translateWords(const std::function<QString(const QString &)> &translated);
    void resetForTemplate();
    void addReadingPieces(const PageModel &page, QVector<KindReadingPiece> &pieces) const;
    std::optional<KindReadingPiece> currentReadingPiece(const PageModel &page,
                                                        int editedText) const;
    // The words of text box `index` as they are read aloud.
    QString textBoxWords(const PageModel &page, int index, const QString &text) const;

    // What undo keeps with picture 0: the whole state when the kind asks for it, else nothing.
    KindState pictureZeroPart() const;
    // Puts a kept part back; an empty part empties a state that follows picture 0.
    void restorePictureZeroPart(const KindState &part);
    // The same kind holding an equal state; two empty holders are the same too.
    bool holdsSameStateAs(const KindState &other) const;

private:
    struct Hooks {
        void (*translateWords)(std::any &, const std::function<QString(const QString &)> &);
        void (*resetForTemplate)(std::any &);
        void (*addReadingPieces)(const std::any &, const PageModel &, QVector<KindReadingPiece> &);
        // False when the kind has no piece for the current object.
        bool (*currentReadingPiece)(const std::any &, const PageModel &, int, KindReadingPiece &);
        QString (*textBoxWords)(const std::any &, const PageModel &, int, const QString &);
        bool (*equal)(const std::any &, const std::any &);
        bool followsPictureZero;
    };

    template <typename T> static const Hooks &hooksOf()
    {
        static const Hooks hooks{
            [](std::any &value, const std::function<QString(const QString &)> &translated) {
                if constexpr (requires(T & state) { state.translateWords(translated); })
                    std::any_cast<T &>(value).translateWords(translated);
            },
            [](std::any &value) {
                if constexpr (requires(T & state) { state.resetForTemplate(); })
                    std::any_cast<T &>(value).resetForTemplate();
            },
            [](const std::any &value, const PageModel &page, QVector<KindReadingPiece> &pieces) {
                if constexpr (requires(const T &state) { state.addReadingPieces(page, pieces); })
                    std::any_cast<const T &>(value).addReadingPieces(page, pieces);
            },
            [](const std::any &value, const PageModel &page, int editedText,
               KindReadingPiece &piece) {
                if constexpr (requires(const T &state) {
                                  state.currentReadingPiece(page, editedText);
                              }) {
                    const auto found =
                        std::any_cast<const T &>(value).currentReadingPiece(page, editedText);
                    if (found)
                        piece = *found;
                    return bool(found);
                } else {
                    return false;
                }
            },
            [](const std::any &value, const PageModel &page, int index, const QString &text) {
                if constexpr (requires(const T &state) { state.textBoxWords(page, index, text); })
                    return std::any_cast<const T &>(value).textBoxWords(page, index, text);
                else
                    return text;
            },
            [](const std::any &a, const std::any &b) {
                if constexpr (std::equality_comparable<T>)
                    return std::any_cast<const T &>(a) == std::any_cast<const T &>(b);
                else
                    return false;
            },
            followsPictureZero<T>()};
        return hooks;
    }

    template <typename T> static constexpr bool followsPictureZero()
    {
        if constexpr (requires { T::kFollowsPictureZero; })
            return T::kFollowsPictureZero;
        else
            return false;
    }

    std::any m_value;
    const Hooks *m_hooks = nullptr;
};

} // namespace quillora
