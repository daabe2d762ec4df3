#pragma once

#include "platform/Erreurs.h"

#include <QString>

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

// An index outside a list.
class EListError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// An ordered list that owns its elements: removing an element, clearing the list or destroying
// it frees the elements concerned. An element belongs to exactly one list, so lists are not
// copyable; objects are copied through their own named operations.
template <typename T> class TListeObjets {
    using Stockage = std::vector<std::unique_ptr<T>>;

    template <typename Base, typename Valeur> class Iterateur {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Valeur *;
        using reference = Valeur &;

        Iterateur() = default;
        explicit Iterateur(Base it)
            : m_it(it)
        {}
        reference operator*() const { return **m_it; }
        pointer operator->() const { return m_it->get(); }
        Iterateur &operator++()
        {
            ++m_it;
            return *this;
        }
        Iterateur operator++(int)
        {
            Iterateur copie = *this;
            ++m_it;
            return copie;
        }
        Iterateur &operator--()
        {
            --m_it;
            return *this;
        }
        Iterateur operator+(difference_type n) const { return Iterateur(m_it + n); }
        difference_type operator-(const Iterateur &autre) const { return m_it - autre.m_it; }
        bool operator==(const Iterateur &autre) const { return m_it == autre.m_it; }
        bool operator!=(const Iterateur &autre) const { return m_it != autre.m_it; }

    private:
        Base m_it{};
    };

public:
    using iterator = Iterateur<typename Stockage::iterator, T>;
    using const_iterator = Iterateur<typename Stockage::const_iterator, const T>;

    TListeObjets() = default;
    virtual ~TListeObjets() = default;
    TListeObjets(const TListeObjets &) = delete;
    TListeObjets &operator=(const TListeObjets &) = delete;

    int Count() const { return int(m_elements.size()); }
    bool isEmpty() const { return m_elements.empty(); }

    // Raises EListError for an index outside 0..Count()-1.
    T &Items(int index) { return *m_elements[verifier(index)]; }
    const T &Items(int index) const { return *m_elements[verifier(index)]; }
    T &operator[](int index) { return Items(index); }
    const T &operator[](int index) const { return Items(index); }

    // Appends element and returns it; the list owns it from now on. A null element raises
    // EListError.
    T &Add(std::unique_ptr<T> element)
    {
        if (!element)
            throw EListError(QStringLiteral("Elément de liste vide"));
        m_elements.push_back(std::move(element));
        return *m_elements.back();
    }
    // Appends a new element with its default values.
    T &Ajouter() { return Add(std::make_unique<T>()); }

    // Inserts element before index (0..Count()).
    T &Insert(int index, std::unique_ptr<T> element)
    {
        if (index < 0 || index > Count())
            throw EListError(messageIndex(index));
        if (!element)
            throw EListError(QStringLiteral("Elément de liste vide"));
        return **m_elements.insert(m_elements.begin() + index, std::move(element));
    }

    // Frees the element at index.
    void Delete(int index) { m_elements.erase(m_elements.begin() + verifier(index)); }

    // Frees element when it belongs to the list; returns its former index, or -1.
    int Remove(const T *element)
    {
        const int index = IndexOf(element);
        if (index >= 0)
            Delete(index);
        return index;
    }

    // Takes the element at index out of the list without freeing it.
    std::unique_ptr<T> Extraire(int index)
    {
        std::unique_ptr<T> element = std::move(m_elements[verifier(index)]);
        m_elements.erase(m_elements.begin() + index);
        return element;
    }

    int IndexOf(const T *element) const
    {
        for (std::size_t i = 0; i < m_elements.size(); ++i)
            if (m_elements[i].get() == element)
                return int(i);
        return -1;
    }

    // Frees every element.
    virtual void Clear() { m_elements.clear(); }

    iterator begin() { return iterator(m_elements.begin()); }
    iterator end() { return iterator(m_elements.end()); }
    const_iterator begin() const { return const_iterator(m_elements.begin()); }
    const_iterator end() const { return const_iterator(m_elements.end()); }

private:
    static QString messageIndex(int index)
    {
        return QStringLiteral("Indice de liste hors limites (%1)").arg(index);
    }
    std::size_t verifier(int index) const
    {
        if (index < 0 || index >= Count())
            throw EListError(messageIndex(index));
        return std::size_t(index);
    }

    Stockage m_elements;
};
