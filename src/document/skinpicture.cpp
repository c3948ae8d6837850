// implemented by the editor engineer
