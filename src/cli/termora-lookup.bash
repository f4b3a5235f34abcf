# Bash completion for termora-lookup: its options and the names of the
# search methods.
_termora_lookup() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD-1]}
    local word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        [[ $word == -- ]] && return
    done
    case $prev in
        --method)
            COMPREPLY=($(compgen -W 'exact related text anagram' -- "$cur"))
            return
            ;;
        --length)
            COMPREPLY=($(compgen -W '0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19' -- "$cur"))
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--method --any-length --length --keys-only --count --json --no-user --help --' -- "$cur"))
    fi
}
complete -F _termora_lookup termora-lookup
