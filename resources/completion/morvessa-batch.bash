# bash completion for morvessa-batch. The option names come from the program's own --help, so
# they follow the program; values are completed where the option takes a file or a fixed choice.
_morvessa_batch()
{
    local cur prev
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"

    case "$prev" in
        --out|--pdf)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --settings)
            COMPREPLY=($(compgen -f -X '!*.ini' -- "$cur") $(compgen -d -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --snapshot)
            COMPREPLY=($(compgen -f -X '!*.bmp' -- "$cur") $(compgen -d -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --ics)
            COMPREPLY=($(compgen -f -X '!*.ics' -- "$cur") $(compgen -d -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --out-dir)
            COMPREPLY=($(compgen -d -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --month)
            COMPREPLY=($(compgen -W "1 2 3 4 5 6 7 8 9 10 11 12" -- "$cur"))
            return ;;
        --paper)
            COMPREPLY=($(compgen -W "a4 letter legal a3" -- "$cur"))
            return ;;
        --week-start)
            COMPREPLY=($(compgen -W "sun mon sat locale" -- "$cur"))
            return ;;
        --country|--list-countries)
            # The codes come from the program's own list of the holiday data's places.
            local codes
            codes="$("${COMP_WORDS[0]}" --list-countries 2>/dev/null | cut -f1)"
            if [[ "$cur" == *-* ]]; then
                codes="$("${COMP_WORDS[0]}" --list-countries "${cur%%-*}" 2>/dev/null | cut -f1)"
            fi
            COMPREPLY=($(compgen -W "$codes" -- "${cur^^}"))
            return ;;
        --holiday-types)
            local done="${cur%"${cur##*,}"}"
            COMPREPLY=($(compgen -P "$done" -W "public bank optional school observance" -- "${cur##*,}"))
            return ;;
        --year|--years|--months|--first-month|--language)
            return ;;
    esac

    if [[ "$cur" == -* ]]; then
        local options
        options=$("${COMP_WORDS[0]}" --help 2>/dev/null | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    fi
}
complete -F _morvessa_batch morvessa-batch
